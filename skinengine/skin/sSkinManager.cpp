#include "skinengine/skin/sSkinManager.h"

#include <utility>
#include <vector>

#include "framework/classes/ClassBuilder.h"
#include "framework/forms/Application.h"
#include "framework/forms/Menus.h"
#include "framework/forms/MessageBoxes.h"
#include "framework/runtime/Files.h"
#include "skinengine/skin/sMessages.h"
#include "skinengine/skin/sSkinFolderRules.h"

namespace sSkinManager {

using framework::TClassBuilder;
using framework::TClassInfo;
using framework::TComponent;

TsSkinData& SkinData() {
  static TsSkinData data;
  return data;
}

namespace {

// What an activation replaces, kept aside while the new skin loads, so that a skin that fails
// to load leaves the one before it in force, unbroadcast.
struct TsSkinState {
  std::vector<SkinSectionData> Sections;
  std::vector<SkinImageEntry> Images;
  std::vector<SkinPatternEntry> Patterns;
  std::unique_ptr<framework::TMemIniFile> Ini;
  std::string SkinPath;
  bool Active;
  bool Loaded;
};

// Sections are copied: a skin name that names nothing keeps the sections it finds.
TsSkinState TakeSkinState() {
  TsSkinData& data = SkinData();
  return {SkinSections(),      std::move(SkinImages()), std::move(SkinPatterns()),
          std::move(data.Ini), data.SkinPath,           data.Active,
          SkinLoaded()};
}

void RestoreSkinState(TsSkinState& state) {
  TsSkinData& data = SkinData();
  SkinSections() = std::move(state.Sections);
  SkinImages() = std::move(state.Images);
  SkinPatterns() = std::move(state.Patterns);
  data.Ini = std::move(state.Ini);
  data.SkinPath = std::move(state.SkinPath);
  data.Active = state.Active;
  SetSkinLoaded(state.Loaded);
}

}  // namespace

TsSkinManager::TsSkinManager(TComponent* owner)
    : TComponent(owner),
      internalSkins_(std::make_unique<TsStoredSkins>(this)),
      skinableMenus_(NewMenuPainter(this)) {
  TsSkinData& data = SkinData();
  if (data.ActiveManager) {
    ShowWarning(SecondManagerWarning);
  } else {
    data.ActiveManager = this;
  }
}

TsSkinManager::~TsSkinManager() {
  internalSkins_.reset();
  if (!Registered()) return;
  // The notice goes to the controls' handlers, and a destructor must not let it escape.
  try {
    RemoveSkin();
  } catch (const std::exception& e) {
    if (framework::Application()) framework::Application()->HandleException(e);
  }
  SkinData().ActiveManager = nullptr;
}

const TClassInfo& TsSkinManager::StaticClassInfo() {
  using M = TsSkinManager;
  static const TClassInfo info =
      TClassBuilder<M, TComponent>("TsSkinManager")
          .Bool("Active", &M::Active, &M::SetActive, M::DefaultActive)
          .Object("InternalSkins", &M::InternalSkins)
          .String("SkinDirectory", &M::SkinDirectory, &M::SetSkinDirectory)
          .String("SkinName", &M::SkinName, &M::SetSkinName)
          .Build();
  return info;
}

void TsSkinManager::SetActive(bool active) {
  if (active == active_) return;
  active_ = active;
  if (!Registered()) return;
  if (active) {
    try {
      SetSkinName(skinName_);
    } catch (...) {
      active_ = false;
      throw;
    }
    return;
  }
  SkinData().Active = false;
  if (!ComponentState().Contains(framework::csLoading)) RemoveSkin();
}

void TsSkinManager::SetSkinDirectory(const std::string& directory) {
  if (directory == skinDirectory_) return;
  skinDirectory_ = directory;
  if (Registered()) SkinData().SkinPath = ResolveSkinDirectory(directory);
}

void TsSkinManager::SetSkinName(const std::string& name) {
  // Not an exchange: SetActive hands over the stored name itself.
  std::string previous = skinName_;
  skinName_ = name;
  if (!active_ || !Registered()) return;
  try {
    Activate();
  } catch (...) {
    skinName_ = std::move(previous);
    throw;
  }
}

void TsSkinManager::Activate() {
  TsSkinData& data = SkinData();
  if (skinName_.empty()) SetSkinDirectory("");
  TsSkinState previous = TakeSkinState();
  try {
    const std::string folder =
        IncludeTrailingSlash(ResolveSkinDirectory(skinDirectory_) + skinName_);
    const std::string options = folder + "Options.dat";
    if (framework::FileExists(options)) {
      data.Ini = std::make_unique<framework::TMemIniFile>(ReadOptionsFile(options));
      data.SkinPath = folder;
    } else {
      data.SkinPath.clear();
    }
    data.Active = true;
    LoadSkinImages();
    LoadSkinPatterns();
    LoadSkinSections();
  } catch (...) {
    RestoreSkinState(previous);
    throw;
  }
  SetSkinLoaded(true);
  FlushMenuPictures();
  Broadcast(sMessages::SM_SKINLOADED);
}

void TsSkinManager::RemoveSkin() {
  SetSkinLoaded(false);
  FlushMenuPictures();
  Broadcast(sMessages::SM_SKINREMOVED);
  ClearSkinImages();
}

// Pictures painted from the old lists must not outlive them, whichever forms have frames.
void TsSkinManager::FlushMenuPictures() {
  if (skinableMenus_) skinableMenus_->FlushPictureCache();
}

void TsSkinManager::Notification(TComponent* component, framework::TOperation operation) {
  TComponent::Notification(component, operation);
  // A menu that is being freed is past taking over or letting go.
  auto* menu = dynamic_cast<framework::TMainMenu*>(component);
  if (menu && skinableMenus_ && !menu->ComponentState().Contains(framework::csDestroying))
    skinableMenus_->HookMainMenu(menu, operation == framework::opInsert);
}

void ShowWarning(const std::string& text) {
  framework::MessageDlg(text, framework::mtWarning);
}

void ShowError(const std::string& text) {
  framework::MessageDlg(text, framework::mtError);
}

}  // namespace sSkinManager
