#include "app/skins/SkinFolders.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "platform/kernel/Files.h"

namespace Bezier::skins {

namespace fs = std::filesystem;

namespace {

constexpr const char* SkinsBelowData = "bezier/skins";

// An XDG variable is used only when it holds an absolute folder (a list of them, for the
// *_DIRS ones); otherwise its documented default stands.
std::vector<fs::path> XdgFolders(const char* name, std::vector<fs::path> fallback) {
  const char* value = std::getenv(name);
  if (!value || !*value) return fallback;
  std::vector<fs::path> folders;
  std::string_view rest(value);
  while (!rest.empty()) {
    const std::size_t colon = std::min(rest.find(':'), rest.size());
    const fs::path folder(rest.substr(0, colon));
    if (folder.is_absolute()) folders.push_back(folder);
    rest.remove_prefix(std::min(colon + 1, rest.size()));
  }
  return folders.empty() ? fallback : folders;
}

std::vector<fs::path> UserDataFolder() {
  const char* home = std::getenv("HOME");
  std::vector<fs::path> fallback;
  if (home && *home) fallback.push_back(fs::path(home) / ".local/share");
  return XdgFolders("XDG_DATA_HOME", std::move(fallback));
}

}  // namespace

std::vector<std::string> SkinRoots() {
  std::vector<fs::path> data = UserDataFolder();
  std::ranges::copy(XdgFolders("XDG_DATA_DIRS", {"/usr/local/share", "/usr/share"}),
                    std::back_inserter(data));
  std::vector<std::string> roots;
  for (const fs::path& folder : data) roots.push_back((folder / SkinsBelowData).string());
  roots.push_back(
      (fs::path(platform::ProgramFolder()).parent_path().parent_path() / "share" / SkinsBelowData)
          .string());
  return roots;
}

bool IsSkinFolder(const std::string& folder) {
  return platform::FileExists((fs::path(folder) / "Options.dat").string());
}

std::vector<TSkinFolder> FindSkinFolders(const std::vector<std::string>& roots) {
  std::vector<TSkinFolder> found;
  for (const std::string& root : roots) {
    std::vector<TSkinFolder> here;
    std::error_code error;
    for (fs::directory_iterator it(root, error), end; !error && it != end; it.increment(error)) {
      TSkinFolder folder{it->path().filename().string(), it->path().string()};
      const bool known =
          std::ranges::any_of(found, [&](const TSkinFolder& f) { return f.Name == folder.Name; });
      if (!known && IsSkinFolder(folder.Path)) here.push_back(std::move(folder));
    }
    std::ranges::sort(here, {}, &TSkinFolder::Name);
    std::ranges::move(here, std::back_inserter(found));
  }
  return found;
}

}  // namespace Bezier::skins
