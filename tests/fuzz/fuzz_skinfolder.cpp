// A whole skin folder from the fuzz input: "Options.dat" first, then, after each separator,
// the bytes of the next file that "Options.dat" names (every other name written in lower
// case, as skins made where names ignore case have them). Activating the folder loads a skin
// whose lookups answer within the lists and whose pictures paint, or raises a framework error.
// Beside the folder lies a picture to lure names that try to leave it ("../bait.bmp", an
// absolute name, "link.bmp" and "up/bait.bmp" through the links the folder holds); the loader
// must never open a file outside the folder.
#include <algorithm>
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "framework/runtime/Exceptions.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/BmpFile.h"
#include "platform/kernel/FileSystem.h"
#include "skinengine/skin/sSkinManager.h"
#include "tests/fuzz/SkinFuzzing.h"

namespace {

constexpr std::string_view Separator = "\n--file--\n";

std::string Upper(std::string_view text) {
  std::string upper(text);
  std::ranges::transform(upper, upper.begin(), [](unsigned char c) { return std::toupper(c); });
  return upper;
}

// The plain file names that values of "Options.dat" give for pictures, first mention first.
std::vector<std::string> NamedFiles(std::string_view options) {
  std::vector<std::string> names;
  while (!options.empty()) {
    const std::size_t end = std::min(options.find('\n'), options.size());
    std::string_view line = options.substr(0, end);
    options.remove_prefix(std::min(end + 1, options.size()));
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) continue;
    line.remove_prefix(equals + 1);
    while (!line.empty() && std::isspace(static_cast<unsigned char>(line.front())))
      line.remove_prefix(1);
    while (!line.empty() && std::isspace(static_cast<unsigned char>(line.back())))
      line.remove_suffix(1);
    const std::string upper = Upper(line);
    const bool picture = upper.find(".BMP") != std::string::npos ||
                         upper.find(".JPG") != std::string::npos ||
                         upper.find(".JPEG") != std::string::npos;
    const bool plain = line.size() <= 64 && line.find_first_of("/\\:") == std::string_view::npos &&
                       !line.starts_with('.');
    const bool known =
        std::ranges::any_of(names, [&](const std::string& n) { return Upper(n) == upper; });
    if (picture && plain && !known) names.emplace_back(line);
  }
  return names;
}

// Every file opened must lie inside the skin folder once links are followed.
class FolderOnly : public platform::FileSystem {
 public:
  explicit FolderOnly(const std::filesystem::path& folder)
      : folder_(std::filesystem::weakly_canonical(folder)) {}

  int Open(const char* path, int flags, mode_t mode) override {
    std::error_code error;
    const std::filesystem::path real = std::filesystem::weakly_canonical(path, error);
    if (error || std::ranges::mismatch(folder_, real).in1 != folder_.end()) std::abort();
    return FileSystem::Open(path, flags, mode);
  }

 private:
  std::filesystem::path folder_;
};

std::vector<std::string_view> Parts(std::string_view input) {
  std::vector<std::string_view> parts;
  for (;;) {
    const std::size_t at = input.find(Separator);
    parts.push_back(input.substr(0, at));
    if (at == std::string_view::npos) return parts;
    input.remove_prefix(at + Separator.size());
  }
}

void WriteSkinFolder(const std::filesystem::path& folder, std::string_view input) {
  std::error_code ignored;
  std::filesystem::remove_all(folder, ignored);
  std::filesystem::create_directory(folder);
  const std::vector<std::string_view> parts = Parts(input);
  skinfuzz::WriteFile(folder / "Options.dat", parts[0]);
  const std::vector<std::string> names = NamedFiles(parts[0]);
  for (std::size_t i = 0; i < names.size() && i + 1 < parts.size(); ++i) {
    std::string name = names[i];
    if (i % 2 == 1)
      std::ranges::transform(name, name.begin(), [](unsigned char c) { return std::tolower(c); });
    skinfuzz::WriteFile(folder / name, parts[i + 1]);
  }
  std::filesystem::create_symlink("../bait.bmp", folder / "link.bmp", ignored);
  std::filesystem::create_directory_symlink("..", folder / "up", ignored);
}

void LayBait(const std::filesystem::path& root) {
  const std::vector<std::uint8_t> bmp = platform::WriteBmp(platform::Bitmap(3, 3));
  skinfuzz::WriteFile(root / "bait.bmp",
                      std::string_view(reinterpret_cast<const char*>(bmp.data()), bmp.size()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::filesystem::path root = [] {
    std::filesystem::path made = skinfuzz::ScratchFolder("skinfolder");
    LayBait(made);
    return made;
  }();
  WriteSkinFolder(root / "fz", std::string_view(reinterpret_cast<const char*>(data), size));
  bool loaded = false;
  {
    FolderOnly guard(root / "fz");
    const platform::ScopedFileSystem inside(guard);
    loaded = skinfuzz::LoadSkinFolder(root);
  }
  if (loaded) skinfuzz::PaintEverything();
  skinfuzz::UnloadSkin();
  return 0;
}
