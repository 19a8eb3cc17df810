#pragma once

#include <string>
#include <vector>

// Where the tool finds skin folders: folders that hold an "Options.dat", under a few roots.
namespace Bezier::skins {

struct TSkinFolder {
  std::string Name;  // the folder's own name, which the menu shows
  std::string Path;  // the whole path of the folder
  friend bool operator==(const TSkinFolder&, const TSkinFolder&) = default;
};

// The roots in the order they are searched: the user's $XDG_DATA_HOME/bezier/skins
// (~/.local/share unless set to an absolute folder), bezier/skins under each absolute folder
// of $XDG_DATA_DIRS (/usr/local/share:/usr/share unless set), then share/bezier/skins beside
// the program's folder, where an install puts the tool's own skins and where a build folder
// has them too.
std::vector<std::string> SkinRoots();

// The skin folders directly under the roots, each root's sorted by name. A name found under
// an earlier root hides the same name under a later one; roots and folders that cannot be
// read are passed by.
std::vector<TSkinFolder> FindSkinFolders(const std::vector<std::string>& roots);

// Whether the folder holds an "Options.dat".
bool IsSkinFolder(const std::string& folder);

}  // namespace Bezier::skins
