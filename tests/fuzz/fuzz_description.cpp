// Damaged stored descriptions read into a sample form give a clear error, never a crash, a
// leak or a hang; a description that reads is written back, and that text reads and writes
// to itself again.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "../framework/SampleClasses.h"
#include "framework/description/DescriptionReader.h"
#include "framework/description/DescriptionWriter.h"
#include "framework/runtime/Exceptions.h"

using namespace framework;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const TResourceResolver resources = [](const std::string& name) -> std::optional<TBytes> {
    if (name.empty() || name.size() > 64) return std::nullopt;
    return TBytes(name.begin(), name.end());
  };

  std::string written;
  {
    sample::TSampleForm form(nullptr);
    try {
      ReadDescription(text, form, sample::SampleClasses(), resources);
    } catch (const Exception&) {
      return 0;
    }
    written = WriteDescription(form);
  }
  sample::TSampleForm again(nullptr);
  ReadDescription(written, again, sample::SampleClasses());
  if (WriteDescription(again) != written) std::abort();
  return 0;
}
