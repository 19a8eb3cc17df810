// The stored skin inside a description: any text read into a skin manager either raises a
// framework error or gives a manager whose named skin, once active, answers every lookup
// within the lists and paints; written out and read again, it writes the same text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "framework/description/DescriptionReader.h"
#include "framework/description/DescriptionWriter.h"
#include "framework/runtime/Exceptions.h"
#include "skinengine/skin/sSkinManager.h"
#include "tests/fuzz/SkinFuzzing.h"
#include "tests/skinengine/skin/SkinClasses.h"

namespace {

// Pictures come inline; a description that names resource files has none to read.
std::optional<framework::TBytes> NoResources(const std::string&) {
  return std::nullopt;
}

std::unique_ptr<sSkinManager::TsSkinManager> Read(std::string_view text) {
  auto manager = std::make_unique<sSkinManager::TsSkinManager>(nullptr);
  framework::ReadDescription(text, *manager, skintests::SkinClasses(), NoResources);
  return manager;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  // A second manager only earns a warning box, which is no concern of this target.
  const std::size_t manager = text.find("TsSkinManager");
  if (manager != std::string_view::npos && text.find("TsSkinManager", manager + 1) != text.npos)
    return 0;

  std::string written;
  {
    std::unique_ptr<sSkinManager::TsSkinManager> first;
    try {
      first = Read(text);
    } catch (const framework::Exception&) {
      return 0;
    }
    if (sSkinManager::SkinLoaded()) {
      skinfuzz::CheckLookups();
      skinfuzz::PaintEverything();
    }
    written = framework::WriteDescription(*first);
  }
  if (framework::WriteDescription(*Read(written)) != written) std::abort();
  return 0;
}
