#include "app/skins/Appearance.h"

#include <algorithm>
#include <cstdio>
#include <exception>
#include <filesystem>

#include "app/Bezier.h"
#include "app/skins/SkinFolders.h"
#include "app/skins/SkinSwitch.h"
#include "framework/forms/FileDialogs.h"
#include "framework/forms/Menus.h"
#include "framework/forms/MessageBoxes.h"
#include "skinengine/skin/sSkinManager.h"
#include "styled/suiFileTheme.h"
#include "styled/suiGrid.h"

namespace Bezier::skins {

using framework::TMenuItem;
using settings::TSkinChoice;
using settings::TSkinKind;
using settings::TTableChoice;
using settings::TTableKind;
using suiThemes::TsuiUIStyle;

// The table's colours as its description sets them, after its style.
struct TAppearance::TTableLook {
  TsuiUIStyle Style;
  platform::TColor BG, Border, Focused, Selected, FixedFont, FixedBG, Font;

  explicit TTableLook(const suiGrid::TsuiStringGrid& g)
      : Style(g.UIStyle()),
        BG(g.BGColor()),
        Border(g.BorderColor()),
        Focused(g.FocusedColor()),
        Selected(g.SelectedColor()),
        FixedFont(g.FixedFontColor()),
        FixedBG(g.FixedBGColor()),
        Font(g.FontColor()) {}

  void PutOn(suiGrid::TsuiStringGrid& g) const {
    g.SetUIStyle(Style);
    g.SetBGColor(BG);
    g.SetBorderColor(Border);
    g.SetFocusedColor(Focused);
    g.SetSelectedColor(Selected);
    g.SetFixedFontColor(FixedFont);
    g.SetFixedBGColor(FixedBG);
    g.SetFontColor(Font);
  }
};

namespace {

constexpr TsuiUIStyle BuiltInStyles[] = {TsuiUIStyle::MacOS, TsuiUIStyle::WinXP,
                                         TsuiUIStyle::DeepBlue, TsuiUIStyle::Protein,
                                         TsuiUIStyle::BlueGlass};

std::string StyleName(TsuiUIStyle style) {
  return std::string(suiThemes::UIStyleType.Names[static_cast<std::size_t>(style)]);
}

// What the user is told about a choice that cannot be used: what it was, and why.
std::string Described(const TSkinChoice& choice) {
  return "Skin \"" + choice.Folder + "\"";
}
std::string Described(const TTableChoice& choice) {
  return choice.Kind == TTableKind::Theme ? "Tema \"" + choice.ThemeFile + "\""
                                          : "Gaya tabel " + StyleName(choice.Style);
}

}  // namespace

TAppearance::TAppearance(TForm1& form, std::vector<std::string> skinRoots, std::string settingsPath)
    : form_(form),
      skinRoots_(std::move(skinRoots)),
      settingsPath_(std::move(settingsPath)),
      storedTable_(std::make_unique<TTableLook>(*form.SGInput)) {
  BuildSkinMenu();
  BuildTableMenu();
}

TAppearance::~TAppearance() = default;

TMenuItem* TAppearance::AddItem(TMenuItem& parent, const std::string& caption,
                                std::function<void()> click) {
  auto* item = new TMenuItem(&form_);
  item->SetCaption(caption);
  if (click) item->OnClick = [click = std::move(click)](framework::TObject*) { click(); };
  parent.Add(item);
  return item;
}

void TAppearance::BuildSkinMenu() {
  TMenuItem& menu = *form_.Skin1;
  AddSkinItem(StoredSkinName(*form_.sSkinManager1), {});
  for (const TSkinFolder& folder : FindSkinFolders(skinRoots_))
    AddSkinItem(folder.Name, {TSkinKind::Folder, folder.Path});
  const TSkinChoice none{TSkinKind::None, {}};
  skinTail_ = {AddItem(menu, "-", nullptr),
               AddItem(menu, "Buka folder skin...", [this] { OpenSkinFolder(); }),
               AddItem(menu, "Tanpa skin", [this, none] { ChooseSkin(none); })};
  skinItems_.emplace_back(skinTail_.back(), none);
  if (auto* painter = form_.sSkinManager1->SkinableMenus()) painter->HookItemTree(&menu, true);
  UpdateChecks();
}

void TAppearance::AddSkinItem(const std::string& caption, const TSkinChoice& choice) {
  TMenuItem& menu = *form_.Skin1;
  // Items are only ever appended, so the tail is taken off and put back behind the new one.
  for (TMenuItem* item : skinTail_) menu.Remove(item);
  skinItems_.emplace_back(AddItem(menu, caption, [this, choice] { ChooseSkin(choice); }), choice);
  for (TMenuItem* item : skinTail_) menu.Add(item);
  if (auto* painter = form_.sSkinManager1->SkinableMenus()) painter->HookItemTree(&menu, true);
}

// A folder opened by hand, or remembered from an earlier run, joins the list once.
void TAppearance::ListFolder(const std::string& folder) {
  const TSkinChoice choice{TSkinKind::Folder, folder};
  if (std::ranges::none_of(skinItems_, [&](const auto& item) { return item.second == choice; }))
    AddSkinItem(std::filesystem::path(folder).filename().string(), choice);
}

void TAppearance::BuildTableMenu() {
  TMenuItem& menu = *form_.GayaTabel1;
  auto add = [&](const std::string& caption, const TTableChoice& choice) {
    tableItems_.emplace_back(AddItem(menu, caption, [this, choice] { ChooseTable(choice); }),
                             choice);
  };
  add("Bawaan", {});
  for (const TsuiUIStyle style : BuiltInStyles)
    add(StyleName(style), {TTableKind::Style, style, {}});
  AddItem(menu, "-", nullptr);
  AddItem(menu, "Buka tema...", [this] { OpenTheme(); });
  if (auto* painter = form_.sSkinManager1->SkinableMenus()) painter->HookItemTree(&menu, true);
  UpdateChecks();
}

void TAppearance::UpdateChecks() {
  for (const auto& [item, choice] : skinItems_) item->SetChecked(choice == settings_.Skin);
  for (const auto& [item, choice] : tableItems_) item->SetChecked(choice == settings_.Table);
}

void TAppearance::Remember() {
  if (settingsPath_.empty()) return;
  try {
    settings::TSettings saved = settings::ReadSettings(settingsPath_);
    saved.Skin = settings_.Skin;
    saved.Table = settings_.Table;
    settings::WriteSettings(settingsPath_, saved);
  } catch (const std::exception& e) {
    // The look is in force all the same; only the next start will not know it.
    std::fprintf(stderr, "bezier: pilihan tampilan tidak tersimpan: %s\n", e.what());
  }
}

void TAppearance::UseSkin(const TSkinChoice& choice) {
  SwitchSkin(*form_.sSkinManager1, choice);
  settings_.Skin = choice;
}

void TAppearance::UseTable(const TTableChoice& choice) {
  suiGrid::TsuiStringGrid& grid = *form_.SGInput;
  suiFileTheme::TsuiFileTheme* previous = theme_;
  if (choice.Kind == TTableKind::Theme) {
    auto* theme = new suiFileTheme::TsuiFileTheme(&form_);
    try {
      theme->SetThemeFile(choice.ThemeFile);
      if (!theme->ThemeLoaded()) throw framework::Exception("berkasnya tidak ada");
    } catch (...) {
      delete theme;
      throw;
    }
    theme_ = theme;
    grid.SetFileTheme(theme_);
    grid.SetUIStyle(TsuiUIStyle::FromThemeFile);
  } else {
    theme_ = nullptr;
    grid.SetFileTheme(nullptr);
    if (choice.Kind == TTableKind::Style)
      grid.SetUIStyle(choice.Style);
    else
      storedTable_->PutOn(grid);
  }
  delete previous;
  settings_.Table = choice;
}

bool TAppearance::Choose(const std::string& described, const std::function<void()>& use) {
  try {
    use();
  } catch (const std::exception& e) {
    framework::MessageDlg(described + " tidak dapat dipakai: " + e.what(), framework::mtError);
    return false;
  }
  UpdateChecks();
  Remember();
  return true;
}

bool TAppearance::ChooseSkin(const TSkinChoice& choice) {
  return Choose(Described(choice), [&] { UseSkin(choice); });
}

bool TAppearance::ChooseTable(const TTableChoice& choice) {
  return Choose(Described(choice), [&] { UseTable(choice); });
}

void TAppearance::ApplyRemembered() {
  settings::TSettings remembered;
  try {
    remembered = settings::ReadSettings(settingsPath_);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "bezier: %s\n", e.what());
  }
  try {
    if (remembered.Table != settings_.Table) UseTable(remembered.Table);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "bezier: %s tidak dapat dipakai: %s\n",
                 Described(remembered.Table).c_str(), e.what());
  }
  try {
    if (remembered.Skin != settings_.Skin) UseSkin(remembered.Skin);
    if (remembered.Skin.Kind == TSkinKind::Folder) ListFolder(remembered.Skin.Folder);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "bezier: %s tidak dapat dipakai, skin bawaan dipakai: %s\n",
                 Described(remembered.Skin).c_str(), e.what());
  }
  UpdateChecks();
}

void TAppearance::OpenSkinFolder() {
  framework::TFolderDialog dialog(nullptr);
  dialog.SetTitle("Buka folder skin");
  if (!dialog.Execute()) return;
  const std::string folder = dialog.FileName();
  if (!IsSkinFolder(folder)) {
    framework::MessageDlg("Folder \"" + folder + "\" bukan folder skin: tidak ada \"Options.dat\".",
                          framework::mtError);
    return;
  }
  if (ChooseSkin({TSkinKind::Folder, folder})) ListFolder(folder);
  UpdateChecks();
}

void TAppearance::OpenTheme() {
  framework::TOpenDialog dialog(nullptr);
  dialog.SetTitle("Buka tema");
  if (dialog.Execute()) ChooseTable({TTableKind::Theme, {}, dialog.FileName()});
}

}  // namespace Bezier::skins
