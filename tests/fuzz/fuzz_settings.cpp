// The tool's settings file: whatever it holds reads as settings, and what is written back of
// them reads as the very same settings and writes the very same text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "app/settings/Settings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace Bezier::settings;
  const TSettings parsed =
      ParseSettings(std::string_view(reinterpret_cast<const char*>(data), size));
  const std::string written = SettingsText(parsed);
  const TSettings again = ParseSettings(written);
  if (!(again == parsed) || SettingsText(again) != written) std::abort();
  return 0;
}
