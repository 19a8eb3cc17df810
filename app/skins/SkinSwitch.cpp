#include "app/skins/SkinSwitch.h"

#include <filesystem>

#include "app/skins/SkinFolders.h"
#include "framework/runtime/Exceptions.h"
#include "skinengine/skin/sSkinManager.h"

namespace Bezier::skins {

std::string StoredSkinName(const sSkinManager::TsSkinManager& manager) {
  const sSkinManager::TsStoredSkins& stored = *manager.InternalSkins();
  return stored.Count() > 0 ? stored.Items(0)->Name() : std::string();
}

void SwitchSkin(sSkinManager::TsSkinManager& manager, const settings::TSkinChoice& choice) {
  if (choice.Kind == settings::TSkinKind::None) {
    manager.SetActive(false);
    return;
  }
  // A folder skin is SkinName under SkinDirectory; the stored one is found by its name under
  // the program's folder, where no folder of that name is. A relative SkinDirectory would lie
  // under the program's folder too, so the folder is made absolute first.
  const bool fromFolder = choice.Kind == settings::TSkinKind::Folder;
  // A name that names no skin folder would leave the manager with the old sections and no
  // pictures: a folder that is gone is refused before anything changes.
  if (fromFolder && !IsSkinFolder(choice.Folder))
    throw framework::Exception("tidak ada \"Options.dat\"");
  std::string path =
      fromFolder ? std::filesystem::absolute(choice.Folder).lexically_normal().string() : "";
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  const std::filesystem::path folder(path);
  const std::string directory = fromFolder ? folder.parent_path().string() : std::string();
  const std::string name = fromFolder ? folder.filename().string() : StoredSkinName(manager);
  const std::string oldDirectory = manager.SkinDirectory();
  const std::string oldName = manager.SkinName();
  manager.SetSkinDirectory(directory);
  try {
    manager.SetSkinName(name);
    if (!manager.Active()) manager.SetActive(true);
  } catch (...) {
    manager.SetSkinDirectory(oldDirectory);
    if (!manager.Active()) manager.SetSkinName(oldName);
    throw;
  }
}

}  // namespace Bezier::skins
