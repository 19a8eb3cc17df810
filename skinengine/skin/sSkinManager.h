#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "framework/classes/Component.h"
#include "framework/classes/Object.h"
#include "framework/runtime/IniFiles.h"
#include "skinengine/skin/sFramePainter.h"
#include "skinengine/skin/sMenuPainter.h"
#include "skinengine/skin/sSkinLists.h"
#include "skinengine/skin/sStoredSkins.h"

// The skin manager chooses the process's skin, loads it into the skin lists and tells every
// skinned control and frame painter that the skin changed or went away.
// Where it lives: the manager in sSkinManager.cpp; the kit messages it sends, and to whom, in
// sSkinBroadcast.cpp.
namespace sSkinManager {

class TsSkinManager;

// The process-wide skin state.
struct TsSkinData {
  TsSkinManager* ActiveManager = nullptr;       // the registered manager, not owned
  std::unique_ptr<framework::TMemIniFile> Ini;  // the open "Options.dat", or null
  std::string SkinPath;                         // folder of the skin's files, ending in '/'
  bool Active = false;
};

TsSkinData& SkinData();

inline constexpr const char* SecondManagerWarning =
    "Please, be sure that only one exemplar of TsSkinManager component is present in project.";

class TsSkinManager : public framework::TComponent {
 public:
  // The declared default, which is the initial value too.
  static constexpr bool DefaultActive = true;

  explicit TsSkinManager(framework::TComponent* owner);
  ~TsSkinManager() override;

  static const framework::TClassInfo& StaticClassInfo();
  const framework::TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  bool Active() const { return active_; }
  void SetActive(bool active);
  TsStoredSkins* InternalSkins() const { return internalSkins_.get(); }
  // Absolute, or relative to the program's folder; '\' and '/' both separate folders.
  const std::string& SkinDirectory() const { return skinDirectory_; }
  void SetSkinDirectory(const std::string& directory);
  // A sub-folder of SkinDirectory holding "Options.dat", or the name of a stored skin.
  // Setting it activates the skin; a file that cannot be decoded raises its error.
  const std::string& SkinName() const { return skinName_; }
  void SetSkinName(const std::string& name);

  bool Registered() const { return SkinData().ActiveManager == this; }
  std::uint64_t GroupIndex() const { return groupIndex_; }
  // Null while no menu painter is registered.
  TsMenuPainter* SkinableMenus() const { return skinableMenus_.get(); }

  // Sends a kit message to every windowed control and frame painter of the application's
  // forms, in ownership order; the forms themselves are not told.
  void Broadcast(std::uint32_t msg);

 protected:
  void Notification(framework::TComponent* component, framework::TOperation operation) override;

 private:
  void Activate();
  void RemoveSkin();
  void FlushMenuPictures();

  std::uint64_t groupIndex_ = 0;
  bool active_ = DefaultActive;
  std::unique_ptr<TsStoredSkins> internalSkins_;
  std::string skinDirectory_;
  std::string skinName_;
  std::unique_ptr<TsMenuPainter> skinableMenus_;
};

// The style object of a control (asked with the style message), or null for anything else.
framework::TPersistent* SkinStyleOf(framework::TComponent* component);
// The style type code of a windowed control, above 0 for a skinned one; 0 for anything else.
int IsSkinnedControl(framework::TComponent* component);

void ShowWarning(const std::string& text);
void ShowError(const std::string& text);

// The running program's folder, ending in '/'.
std::string ProgramFolder();
// The path with '/' for every '\', ending in '/'; empty stays empty and a bare drive letter
// gets ":/".
std::string IncludeTrailingSlash(std::string_view path);
// SkinDirectory as a folder: relative ones (also ".\x" and "./x") lie under ProgramFolder.
std::string ResolveSkinDirectory(std::string_view directory);

}  // namespace sSkinManager
