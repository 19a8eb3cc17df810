#pragma once

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/settings/Settings.h"

namespace framework {
class TMenuItem;
}
namespace suiFileTheme {
class TsuiFileTheme;
}

namespace Bezier {
class TForm1;
}

namespace Bezier::skins {

// The "Tampilan" menu's "Skin" and "Gaya Tabel": the skins and table styles to choose from,
// the choice in force checked, and every choice remembered in the settings file.
class TAppearance {
 public:
  TAppearance(TForm1& form, std::vector<std::string> skinRoots, std::string settingsPath);
  ~TAppearance();
  TAppearance(const TAppearance&) = delete;
  TAppearance& operator=(const TAppearance&) = delete;

  // At start-up: the remembered skin and table look. One that cannot be used leaves the
  // stored look and says why in one line on standard error, since no window is up to show it.
  void ApplyRemembered();

  // Puts a choice in force and remembers it; one that cannot be used leaves the look in force
  // and shows why in a message box. True when the choice is in force.
  bool ChooseSkin(const settings::TSkinChoice& choice);
  bool ChooseTable(const settings::TTableChoice& choice);

  const settings::TSettings& Settings() const { return settings_; }

 private:
  void BuildSkinMenu();
  void BuildTableMenu();
  void AddSkinItem(const std::string& caption, const settings::TSkinChoice& choice);
  void ListFolder(const std::string& folder);
  framework::TMenuItem* AddItem(framework::TMenuItem& parent, const std::string& caption,
                                std::function<void()> click);
  void OpenSkinFolder();
  void OpenTheme();
  void UpdateChecks();
  // Runs use; what it throws is shown as why the described choice cannot be used.
  bool Choose(const std::string& described, const std::function<void()>& use);
  void Remember();
  // Throws what keeps a choice from being used; the look in force stays.
  void UseSkin(const settings::TSkinChoice& choice);
  void UseTable(const settings::TTableChoice& choice);

  TForm1& form_;
  std::vector<std::string> skinRoots_;
  std::string settingsPath_;
  settings::TSettings settings_;
  std::vector<std::pair<framework::TMenuItem*, settings::TSkinChoice>> skinItems_;
  std::vector<std::pair<framework::TMenuItem*, settings::TTableChoice>> tableItems_;
  // The items that stay at the end of the skin menu, below the skins.
  std::vector<framework::TMenuItem*> skinTail_;
  suiFileTheme::TsuiFileTheme* theme_ = nullptr;
  // The table's own stored look, which "Bawaan" gives back.
  struct TTableLook;
  std::unique_ptr<TTableLook> storedTable_;
};

}  // namespace Bezier::skins
