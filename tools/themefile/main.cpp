// bezier-theme STYLE OUT: writes the theme file of a built-in UI style (MacOS, WinXP,
// DeepBlue, Protein or BlueGlass) with all 42 entries under their keys.
#include <cstdio>
#include <exception>
#include <string>

#include "framework/runtime/Files.h"
#include "resources/Embedded.h"
#include "styled/suiThemeFileWriter.h"
#include "styled/suiThemes.h"

int main(int argc, char** argv) {
  using suiThemes::TsuiUIStyle;
  const int style = argc == 3 ? suiThemes::UIStyleType.IndexOf(argv[1]) : -1;
  if (style <= static_cast<int>(TsuiUIStyle::FromThemeFile)) {
    std::fprintf(stderr, "usage: bezier-theme MacOS|WinXP|DeepBlue|Protein|BlueGlass OUT\n");
    return 2;
  }
  try {
    resources::RegisterEmbeddedResources();
    const auto bytes = suiThemeFileWriter::WriteThemeFile(
        suiThemeFileWriter::BuiltInThemeEntries(static_cast<TsuiUIStyle>(style)));
    int error = 0;
    if (!framework::WriteWholeFile(
            argv[2], {reinterpret_cast<const char*>(bytes.data()), bytes.size()}, error)) {
      std::fprintf(stderr, "bezier-theme: cannot write %s: %s\n", argv[2],
                   framework::SysErrorMessage(error).c_str());
      return 1;
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "bezier-theme: %s\n", e.what());
    return 1;
  }
  return 0;
}
