// The skinned frame's own system menu: its items, which of them show and work for a form,
// and what each does.
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "framework/forms/Menus.h"
#include "platform/window/Input.h"
#include "platform/window/Menus.h"
#include "skinengine/frame/sSkinProviderSystemMenu.h"
#include "tests/skinengine/frame/SkinProviderTestSupport.h"

namespace {

using namespace providertests;
using framework::TBorderIcons;
using framework::TMenuItem;
using platform::ShowCommand;
using platform::WindowState;
using enum framework::TBorderIcon;
using enum framework::TFormBorderStyle;

constexpr TBorderIcons AllIcons{biSystemMenu, biMinimize, biMaximize};

class SystemMenu : public ProviderFixture {
 protected:
  SystemMenu() {
    LoadSkin();
    Show();
  }
  sSkinProvider::TsSystemMenu& Menu() { return provider->SystemMenu(); }
  // Restore, Move, Size, Minimize, Maximize, Close.
  std::array<TMenuItem*, 6> Items() {
    return {Menu().ItemRestore,  Menu().ItemMove,     Menu().ItemSize,
            Menu().ItemMinimize, Menu().ItemMaximize, Menu().ItemClose};
  }
};

TEST_F(SystemMenu, SixItemsAndASeparatorWithCloseOnAltF4) {
  std::vector<std::string> captions;
  for (int i = 0; i < Menu().Items()->Count(); ++i)
    captions.push_back(Menu().Items()->Items(i)->Caption());
  EXPECT_EQ(captions, (std::vector<std::string>{"Restore", "Move", "Size", "Minimize", "Maximize",
                                                "-", "Close"}));
  EXPECT_EQ(framework::ShortCutToText(Menu().ItemClose->ShortCut()), "Alt+F4");
  EXPECT_EQ(Menu().Owner(), provider);
}

TEST_F(SystemMenu, ItemsShowAndWorkAsTheFormAllows) {
  // Per item, Restore, Move, Size, Minimize, Maximize, Close: 1 shown or enabled.
  struct Case {
    const char* Name;
    framework::TFormBorderStyle Style;
    ShowCommand State;
    TBorderIcons Icons;
    const char* Visible;
    const char* Enabled;
  };
  const std::vector<Case> cases = {
      {"sizeable", bsSizeable, ShowCommand::Restore, AllIcons, "111111", "011111"},
      {"no border icons: Move, Close", bsSingle, ShowCommand::Restore, {}, "111111", "010001"},
      {"a dialog shows Move, Close", bsDialog, ShowCommand::Restore, AllIcons, "010001", "011111"},
      {"sizeable tool window", bsSizeToolWin, ShowCommand::Restore, AllIcons, "011001", "011111"},
      {"maximized", bsSizeable, ShowCommand::Maximize, AllIcons, "111111", "101101"},
      {"minimized", bsSizeable, ShowCommand::Minimize, AllIcons, "111111", "111011"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    form->SetBorderStyle(c.Style);
    platform::ShowWindow(Window(), c.State);
    provider->SetBorderIcons(c.Icons);
    Menu().UpdateItems();
    std::string visible, enabled;
    for (const TMenuItem* item : Items()) {
      visible += item->Visible() ? '1' : '0';
      enabled += item->Enabled() ? '1' : '0';
    }
    EXPECT_EQ(visible, c.Visible);
    EXPECT_EQ(enabled, c.Enabled);
    platform::ShowWindow(Window(), ShowCommand::Restore);
  }
}

TEST_F(SystemMenu, EachItemSendsItsCommand) {
  struct Case {
    const char* Name;
    std::function<void()> Before;
    TMenuItem* Item;
    std::function<bool()> Done;
  };
  const std::vector<Case> cases = {
      {"Maximize", [] {}, Menu().ItemMaximize,
       [&] { return platform::GetWindowState(Window()) == WindowState::Maximized; }},
      {"Restore", [] {}, Menu().ItemRestore,
       [&] { return platform::GetWindowState(Window()) == WindowState::Normal; }},
      {"Move", [] {}, Menu().ItemMove, [] { return platform::IsMouseTracking(); }},
      {"Size", [&] { session.PressKey(platform::VK_ESCAPE); }, Menu().ItemSize,
       [] { return platform::IsMouseTracking(); }},
      {"Minimize", [&] { session.PressKey(platform::VK_ESCAPE); }, Menu().ItemMinimize,
       [&] { return platform::GetWindowState(Window()) == WindowState::Minimized; }},
      {"Close", [] {}, Menu().ItemClose, [&] { return app.Terminated(); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    c.Before();
    c.Item->Click();
    EXPECT_TRUE(c.Done());
  }
}

TEST_F(SystemMenu, MinimizeFromAnotherFormMinimizesTheProgramsMainWindow) {
  auto* second = app.CreateForm<framework::TForm>();
  second->SetBounds(500, 500, 200, 150);
  auto* secondProvider = new sSkinProvider::TsSkinProvider(second);
  second->ShowForm();
  secondProvider->SystemMenu().ItemMinimize->Click();
  EXPECT_EQ(platform::GetWindowState(Window()), WindowState::Minimized);
  EXPECT_EQ(platform::GetWindowState(second->Handle()), WindowState::Normal);
}

TEST_F(SystemMenu, ChosenFromThePopupUnderTheIcon) {
  session.Backend().ScheduleStep([&] {
    const TRect close = platform::GetMenuItemRect(Window(), Menu().MenuHandle(), 6);
    session.Click({(close.Left + close.Right) / 2, (close.Top + close.Bottom) / 2});
  });
  session.Press(OnScreen({10, 10}));
  app.ProcessMessages();
  EXPECT_TRUE(app.Terminated());
}

}  // namespace
