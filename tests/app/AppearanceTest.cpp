// The "Tampilan" menu: skins and table styles chosen at run time, what a switch leaves behind,
// choices that cannot be used, and what the next start remembers.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "app/BezierShot.h"
#include "app/settings/Settings.h"
#include "app/skins/Appearance.h"
#include "app/skins/SkinSwitch.h"
#include "app/view3d/ViewForm.h"
#include "framework/forms/MessageBoxes.h"
#include "platform/window/Windows.h"
#include "skinengine/skin/sSkinManager.h"
#include "styled/suiThemeFileWriter.h"
#include "tests/app/MainWindowSupport.h"
#include "tests/app/SkinSupport.h"

namespace Bezier::testing {
namespace {

using settings::TSkinChoice;
using settings::TSkinKind;
using settings::TTableChoice;
using settings::TTableKind;
using suiThemes::TsuiUIStyle;

std::vector<std::string> Captions(const framework::TMenuItem& menu) {
  std::vector<std::string> captions;
  for (int i = 0; i < menu.Count(); ++i) captions.push_back(menu.Items(i)->Caption());
  return captions;
}

std::vector<std::string> Checked(const framework::TMenuItem& menu) {
  std::vector<std::string> checked;
  for (int i = 0; i < menu.Count(); ++i)
    if (menu.Items(i)->Checked()) checked.push_back(menu.Items(i)->Caption());
  return checked;
}

framework::TMenuItem& Item(const framework::TMenuItem& menu, const std::string& caption) {
  for (int i = 0; i < menu.Count(); ++i)
    if (menu.Items(i)->Caption() == caption) return *menu.Items(i);
  ADD_FAILURE() << "no item " << caption;
  return *menu.Items(0);
}

// The tool with its main window up, the pointer resting on the window's bare corner.
struct Tool {
  Tool() {
    resources::RegisterEmbeddedResources();
    form = app.CreateForm<TForm1>();
    form->ShowForm();
  }
  // Tampilan > "Tampilan 3-D": the view's window beside the main window.
  framework::TForm& OpenView() {
    dynamic_cast<framework::TMenuItem&>(*form->FindComponent("View3D1")).Click();
    return dynamic_cast<framework::TForm&>(*form->FindComponent(TViewForm::Name));
  }
  // Every fade and pause run out, everything pending painted: the window as it rests.
  platform::Bitmap Shot() { return Shot(*form); }
  platform::Bitmap Shot(framework::TForm& window) {
    session.MoveMouse(form->ClientToScreen({1, 1}));
    for (int ms = 0; ms < 1000; ms += 10) session.Advance(10);
    // The caret of the field with the keyboard shown, whatever time went by since it blinked.
    form->EdM->SetSelStart(0);
    platform::UpdateWindow(window.Handle());
    framework::FreeDeviceContexts();
    return WindowAsShown(session, window.Handle());
  }
  // The File menu's drop-down as it opens, its background painted from the skin.
  platform::Bitmap FileMenuShot() {
    const platform::HMENU bar = platform::GetMenu(form->Handle());
    const platform::TRect item = platform::GetMenuItemRect(form->Handle(), bar, 0);
    session.Click({(item.Left + item.Right) / 2, (item.Top + item.Bottom) / 2});
    const platform::HMENU file = platform::GetMenuItemInfo(bar, 0)->SubMenu;
    const platform::TRect open = platform::GetMenuItemRect(form->Handle(), file, 0);
    platform::Bitmap shot = platform::WindowSnapshot(platform::WindowFromPoint(open.TopLeft()));
    session.PressKey(platform::VK_ESCAPE);
    session.PressKey(platform::VK_ESCAPE);
    return shot;
  }

  platform::HeadlessSession session;
  framework::TApplication app;
  TForm1* form = nullptr;
};

class Appearance : public OwnSettings, public MainWindow {};

TEST_F(Appearance, TheMenusListTheSkinsAndStylesWithTheChoiceInForceChecked) {
  const std::string stored = "Velora2 (internal)";
  EXPECT_EQ(Captions(*form->Tampilan1),
            (std::vector<std::string>{"Tampilan 3-D", "Skin", "Gaya Tabel"}));
  EXPECT_EQ(
      Captions(*form->Skin1),
      (std::vector<std::string>{stored, "Velora Gelap", "-", "Buka folder skin...", "Tanpa skin"}));
  EXPECT_EQ(Checked(*form->Skin1), std::vector<std::string>{stored});
  EXPECT_EQ(Captions(*form->GayaTabel1),
            (std::vector<std::string>{"Bawaan", "MacOS", "WinXP", "DeepBlue", "Protein",
                                      "BlueGlass", "-", "Buka tema..."}));
  EXPECT_EQ(Checked(*form->GayaTabel1), std::vector<std::string>{"Bawaan"});

  Item(*form->Skin1, "Tanpa skin").Click();
  Item(*form->GayaTabel1, "Protein").Click();
  EXPECT_FALSE(form->sSkinManager1->Active());
  EXPECT_EQ(Checked(*form->Skin1), std::vector<std::string>{"Tanpa skin"});
  EXPECT_EQ(Checked(*form->GayaTabel1), std::vector<std::string>{"Protein"});
  EXPECT_EQ(settings::ReadSettings(SettingsFile()),
            (settings::TSettings{
                {TSkinKind::None, {}}, {TTableKind::Style, TsuiUIStyle::Protein, {}}, {}}))
      << "every choice is remembered at once";
}

// After every switch, each window (the main window, its File drop-down and the 3-D view) equals
// that window of a fresh start in that skin: nothing of the skin before it (caches, frame
// region, menu bar, a fade half-way) is left over.
TEST(AppearanceSwitch, EverySwitchLooksLikeAFreshStartInThatSkin) {
  tempfiles::TempFolder config;
  ScopedEnv env("XDG_CONFIG_HOME", config.Path(""));
  const std::map<std::string, TSkinChoice> choices = {
      {"Velora2 (internal)", {}},
      {"Velora Gelap", {TSkinKind::Folder, DarkSkinFolder()}},
      {"Tanpa skin", {TSkinKind::None, {}}}};
  std::map<std::string, platform::Bitmap> fresh, freshMenu, freshView;
  for (const auto& [caption, choice] : choices) {
    settings::WriteSettings(settings::SettingsPath(), {choice, {}, {}});
    Tool tool;
    tool.form->Appearance().ApplyRemembered();
    framework::TForm& view = tool.OpenView();
    tool.FileMenuShot();  // the main window active, as below
    freshView[caption] = tool.Shot(view);
    fresh[caption] = tool.Shot();
    freshMenu[caption] = tool.FileMenuShot();
  }
  EXPECT_NE(fresh["Velora Gelap"], fresh["Velora2 (internal)"]);
  EXPECT_NE(fresh["Tanpa skin"], fresh["Velora2 (internal)"]);
  EXPECT_NE(freshView["Velora Gelap"], freshView["Tanpa skin"]);

  Tool tool;
  framework::TForm& view = tool.OpenView();
  tool.FileMenuShot();  // a drop-down painted in the stored skin, to be forgotten
  for (const char* caption :
       {"Velora Gelap", "Tanpa skin", "Velora2 (internal)", "Tanpa skin", "Velora Gelap",
        "Velora2 (internal)", "Velora Gelap", "Velora Gelap"}) {
    SCOPED_TRACE(caption);
    // The pointer on a button starts its fade, which the switch cuts short.
    const framework::TControl& button = *tool.form->BtMxN;
    tool.session.MoveMouse(button.ClientToScreen({button.Width() / 2, button.Height() / 2}));
    tool.session.Advance(20);
    Item(*tool.form->Skin1, caption).Click();
    EXPECT_EQ(tool.Shot(view), freshView[caption]);
    EXPECT_EQ(tool.Shot(), fresh[caption]);
    EXPECT_EQ(tool.FileMenuShot(), freshMenu[caption]);
  }
  EXPECT_TRUE(tool.session.Backend().Dialogs().empty()) << "every switch went through";
}

TEST_F(Appearance, ASkinThatCannotBeUsedLeavesTheSkinInForceAndSaysWhy) {
  const auto shown = [&] {
    Snapshot(*form);  // everything pending painted
    return WindowAsShown(session, form->Handle());
  };
  // The gauge's first paint sets its mask's region, which asks for one more paint, and a box
  // takes the keyboard and gives it back changed: both pictures come after both.
  shown();
  framework::MessageDlg("-", framework::mtInformation);
  const platform::Bitmap before = shown();
  const std::string bad = MakeSkinFolder(folder.Path("Jahat"), "[TsEdit]\nBordersMask=../x.bmp\n");
  tempfiles::WriteBytes(folder.Path("x.bmp"), "");
  EXPECT_FALSE(form->Appearance().ChooseSkin({TSkinKind::Folder, bad}));
  ASSERT_EQ(MessageCount(), 2u);
  EXPECT_EQ(Messages()[1].second, "Skin \"" + bad +
                                      "\" tidak dapat dipakai: nama gambar \"../x.bmp\" "
                                      "menunjuk ke luar folder skin");
  EXPECT_EQ(shown(), before);
  EXPECT_EQ(Checked(*form->Skin1), std::vector<std::string>{"Velora2 (internal)"});
  EXPECT_EQ(form->sSkinManager1->SkinName(), "Velora2 (internal)");
  EXPECT_FALSE(std::filesystem::exists(SettingsFile())) << "nothing new to remember";
}

TEST_F(Appearance, AFolderOpenedByHandIsUsedAndListed) {
  Backend().AnswerFileDialog(folder.Path(""));
  Item(*form->Skin1, "Buka folder skin...").Click();
  ASSERT_EQ(MessageCount(), 1u);
  EXPECT_NE(Messages()[0].second.find("bukan folder skin"), std::string::npos);

  const std::string mine = MakeSkinFolder(folder.Path("Milikku"), "[TsEdit]\nPaintingColor=255\n");
  Backend().AnswerFileDialog(mine);
  Item(*form->Skin1, "Buka folder skin...").Click();
  EXPECT_EQ(MessageCount(), 1u);
  EXPECT_EQ(Captions(*form->Skin1),
            (std::vector<std::string>{"Velora2 (internal)", "Velora Gelap", "Milikku", "-",
                                      "Buka folder skin...", "Tanpa skin"}));
  EXPECT_EQ(Checked(*form->Skin1), std::vector<std::string>{"Milikku"});
  EXPECT_EQ(form->Appearance().Settings().Skin, (TSkinChoice{TSkinKind::Folder, mine}));
  EXPECT_EQ(Backend().Dialogs().front().File.Kind, platform::FileDialogKind::Folder);
}

TEST_F(Appearance, TableStylesThemesAndTheStoredLookComeBack) {
  const platform::Bitmap stored = Snapshot(*form->SGInput);
  Item(*form->GayaTabel1, "MacOS").Click();
  EXPECT_EQ(form->SGInput->BGColor(),
            suiThemes::GetThemeColor(TsuiUIStyle::MacOS, suiThemes::ControlBackgroundColorEntry));
  EXPECT_NE(Snapshot(*form->SGInput), stored);

  const std::string theme = folder.Path("winxp.theme");
  const std::vector<std::uint8_t> bytes = suiThemeFileWriter::WriteThemeFile(
      suiThemeFileWriter::BuiltInThemeEntries(TsuiUIStyle::WinXP));
  tempfiles::WriteBytes(theme, std::string(bytes.begin(), bytes.end()));
  Backend().AnswerFileDialog(theme);
  Item(*form->GayaTabel1, "Buka tema...").Click();
  EXPECT_EQ(form->SGInput->BGColor(),
            suiThemes::GetThemeColor(TsuiUIStyle::WinXP, suiThemes::ControlBackgroundColorEntry));
  EXPECT_EQ(Checked(*form->GayaTabel1), std::vector<std::string>{}) << "a theme has no item";

  EXPECT_FALSE(form->Appearance().ChooseTable({TTableKind::Theme, {}, folder.Path("gone")}));
  ASSERT_EQ(MessageCount(), 1u);
  EXPECT_EQ(Messages()[0].second,
            "Tema \"" + folder.Path("gone") + "\" tidak dapat dipakai: berkasnya tidak ada");

  Item(*form->GayaTabel1, "Bawaan").Click();
  EXPECT_EQ(Snapshot(*form->SGInput), stored);
}

TEST(AppearanceStart, ARememberedSkinThatIsGoneGivesTheStoredOneAndOneLine) {
  tempfiles::TempFolder config;
  ScopedEnv env("XDG_CONFIG_HOME", config.Path(""));
  const std::string gone = config.Path("Hilang");
  settings::WriteSettings(
      settings::SettingsPath(),
      {{TSkinKind::Folder, gone}, {TTableKind::Style, TsuiUIStyle::WinXP, {}}, {}});
  Tool tool;
  ::testing::internal::CaptureStderr();
  tool.form->Appearance().ApplyRemembered();
  const std::string said = ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
  EXPECT_NE(said.find(gone), std::string::npos) << said;
  EXPECT_TRUE(tool.session.Backend().Dialogs().empty()) << "nothing stops the start";
  EXPECT_EQ(tool.form->sSkinManager1->SkinName(), "Velora2 (internal)");
  EXPECT_EQ(Checked(*tool.form->GayaTabel1), std::vector<std::string>{"WinXP"});
}

}  // namespace
}  // namespace Bezier::testing
