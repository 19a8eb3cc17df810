#include <cstddef>
#include <cstdint>
#include <vector>

#include "framework/runtime/Exceptions.h"
#include "styled/suiThemeFile.h"
#include "styled/suiThemes.h"

// Feeds arbitrary bytes to the theme file reader and looks up every entry of the table; no
// stored image can be larger than the file.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  try {
    const suiThemeFile::TsuiThemeFileReader reader(std::vector<std::uint8_t>(data, data + size));
    for (int index = 1; index <= suiThemes::ThemeEntryCount; ++index) {
      const auto key = suiThemes::FindThemeEntry(index)->Key;
      if (const auto image = reader.Image(key); image && image->size() > size) __builtin_trap();
      reader.Integer(key);
      reader.Boolean(key);
      reader.Text(key);
    }
  } catch (const framework::EReadError&) {
  }
  return 0;
}
