// The skin provider's life on a form: what it takes over and gives back, its answers to the
// kit's questions, the skin coming and going, and the form's own painting and input under it.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/forms/Menus.h"
#include "platform/window/Input.h"
#include "platform/window/MessageParams.h"
#include "skinengine/controls/sControlClasses.h"
#include "skinengine/frame/sSkinProviderSystemMenu.h"
#include "skinengine/skin/sFramePicture.h"
#include "skinengine/skin/sMessages.h"
#include "tests/framework/ControlTestSupport.h"
#include "tests/skinengine/frame/SkinProviderTestSupport.h"
#include "tests/skinengine/style/StyleTestSupport.h"

namespace {

using namespace providertests;
using framework::TBorderIcons;
using framework::TMenuItem;
using enum framework::TBorderIcon;

constexpr TBorderIcons AllIcons{biSystemMenu, biMinimize, biMaximize};

using Life = ProviderFixture;

TEST_F(Life, TheProviderTakesOverTheFormAndGivesItBack) {
  EXPECT_FALSE(form->AutoScroll());
  EXPECT_EQ(provider->Form(), form);
  EXPECT_EQ(provider->FrameStyle().SkinSection(), "FORM");
  EXPECT_EQ(provider->FrameStyle().ControlKind(), 224);
  EXPECT_EQ(provider->BorderIcons(), AllIcons);
  LoadSkin();
  EXPECT_EQ(form->Perform(sMessages::SM_GETFRAMEPAINTER),
            sSkinManager::FramePainterResult(provider));

  delete provider;
  EXPECT_TRUE(form->AutoScroll());
  EXPECT_EQ(form->Perform(sMessages::SM_GETFRAMEPAINTER), 0) << "the form's own procedure";
  Show();
  EXPECT_EQ(Screen().Pixel(200, 12), platform::ColorToRGB(platform::clActiveCaption));
}

TEST_F(Life, TheManagerComesWithTheSkinAndGoesWithIt) {
  EXPECT_EQ(provider->Manager(), nullptr);
  LoadSkin();
  EXPECT_EQ(provider->Manager(), manager);
  auto* later = new sSkinProvider::TsSkinProvider(app.CreateForm<framework::TForm>());
  EXPECT_EQ(later->Manager(), manager) << "the registered one, at once";
  EXPECT_TRUE(later->Form()->BorderIcons().Empty()) << "the skin is active";
  delete manager;
  EXPECT_EQ(provider->Manager(), nullptr);
  EXPECT_EQ(later->Manager(), nullptr) << "told though it lies on another form";
}

TEST_F(Life, TheSkinEmptiesTheFormsBorderIconsAndItsRemovalGivesThemBack) {
  Show();
  LoadSkin();
  Settle();
  EXPECT_TRUE(form->BorderIcons().Empty());
  EXPECT_EQ((platform::GetWindowStyle(Window()) & platform::WS_SYSMENU), 0u);
  EXPECT_EQ(Screen().Pixel(200, 12), TitleHotColor);
  EXPECT_TRUE(Native().Shape.has_value());

  manager->SetActive(false);
  Settle();
  EXPECT_EQ(form->BorderIcons(), AllIcons);
  EXPECT_FALSE(Native().Shape.has_value());
  EXPECT_EQ(provider->FrameStyle().SkinIndex(), -1);
  EXPECT_EQ(Screen().Pixel(200, 12), platform::ColorToRGB(platform::clActiveCaption))
      << "the platform's own frame";

  manager->SetActive(true);
  Settle();
  EXPECT_EQ(Screen().Pixel(200, 12), TitleHotColor);
}

// A form whose frame cannot change just now.
class TStuckForm : public framework::TForm {
 public:
  using TForm::TForm;
  bool Stuck = false;
  void SetBounds(int left, int top, int width, int height) override {
    if (Stuck) throw framework::EInvalidOperation("Cannot change Visible in OnShow or OnHide");
    TForm::SetBounds(left, top, width, height);
  }
};

TEST_F(Life, BorderIconsThatCannotBeEmptiedAreReportedAndTheFrameGoesOn) {
  auto* stuck = app.CreateForm<TStuckForm>();
  auto* other = new sSkinProvider::TsSkinProvider(stuck);
  stuck->Stuck = true;
  LoadSkin();
  ASSERT_EQ(Dialogs().size(), 1u);
  EXPECT_EQ(Dialogs()[0].Box.Text, sSkinProvider::BorderIconsError);
  EXPECT_EQ(Dialogs()[0].Box.Kind, platform::MessageBoxKind::Error);
  EXPECT_EQ(other->Manager(), manager);
  EXPECT_EQ(stuck->Perform(sMessages::SM_GETFRAMEPAINTER), sSkinManager::FramePainterResult(other));
  stuck->Stuck = false;
}

TEST_F(Life, SkinnedChildrenFindTheFramePictureAndTheProvider) {
  auto* child = Add<framework::testing::TProbePanel>();
  EXPECT_EQ(form->Perform(sMessages::SM_GETFRAMEPICTURE), 0) << "no skin yet";
  EXPECT_EQ(sSkinProvider::FindProvider(child), nullptr);
  LoadSkin();
  Show();
  ASSERT_EQ(form->Perform(sMessages::SM_GETFRAMEPICTURE), 1);
  EXPECT_EQ(sSkinManager::FramePicture().Picture, &provider->FrameCache().Data());
  // The client area of a sizeable frame without a menu: 4 in, 4 + 19 down.
  EXPECT_EQ(sSkinManager::FramePicture().ClientOffset, (TPoint{4, 23}));
  EXPECT_EQ(sSkinProvider::FindProvider(child), provider);

  TMenuItem* item = AddMainMenu("File");
  Settle();
  form->Perform(sMessages::SM_GETFRAMEPICTURE);
  EXPECT_EQ(sSkinManager::FramePicture().ClientOffset, (TPoint{4, 42})) << "below a 19-pixel bar";
  EXPECT_EQ(sSkinManager::FramePainterOf(item), provider) << "menu items ask through their form";
}

TEST_F(Life, ResizingRebuildsTheFrameAndRepaintsBothAreasAndTheSkinnedChildren) {
  auto* button = Add<styletests::TStyledControl>([](framework::TControl* owner) {
    return std::make_unique<sStyleUtil::TsActiveBGStyle>(owner);
  });
  button->Style<sStyleUtil::TsActiveBGStyle>().SetControlKind(92);
  LoadSkin();
  Show();
  const int notices = button->staleNotices;
  form->SetBounds(100, 100, 500, 350);
  const Bitmap shown = Screen();
  EXPECT_EQ(provider->FrameCache().Width(), 500);
  EXPECT_EQ(provider->FrameCache().Height(), 350);
  EXPECT_FALSE(provider->CacheStale());
  EXPECT_EQ(shown.Pixel(420, 12), TitleHotColor) << "the frame, where the window grew";
  EXPECT_EQ(shown.Pixel(450, 300), FormHotColor) << "the client area, where the window grew";
  EXPECT_GT(button->staleNotices, notices) << "the child rebuilds over the new picture";
}

// The form hears of its activation and gives the focus to its first control; its graphic
// controls paint over the frame's picture of the client area.
TEST_F(Life, TheFormsOwnFocusAndPaintingGoOnUnderTheFrame) {
  auto* edit = Add<framework::testing::TProbeEdit>();
  auto* graphic = Add<framework::testing::TProbeButton>();
  graphic->SetBounds(100, 100, 40, 20);
  LoadSkin();
  Show();
  EXPECT_EQ(platform::GetFocus(), edit->Handle());
  const TPoint centre = platform::ScreenToWindow(Window(), Centre(*graphic));
  EXPECT_EQ(Screen().Pixel(centre.X, centre.Y), platform::clRed);
}

TEST_F(Life, AMaximizedFormStaysPutOnAPressButADoubleClickRestoresIt) {
  LoadSkin();
  Show();
  const TPoint caption = OnScreen({200, 10});
  session.Press(caption);
  EXPECT_TRUE(platform::IsMouseTracking()) << "a normal window is dragged";
  session.Release(caption);

  form->SetWindowState(framework::wsMaximized);
  Settle();
  const TPoint top = OnScreen({200, 10});
  session.Advance(1000);
  session.Press(top);
  EXPECT_FALSE(platform::IsMouseTracking());
  session.MoveMouse({top.X + 50, top.Y + 50});
  session.Release({top.X + 50, top.Y + 50});
  EXPECT_EQ(platform::GetWindowRect(Window()), (TRect{0, 0, 1280, 1024}));

  session.Advance(1000);
  session.Click(top);
  session.Click(top);
  EXPECT_EQ(platform::GetWindowState(Window()), platform::WindowState::Normal);
  EXPECT_FALSE(provider->SystemMenu().ItemRestore->Enabled());
}

TEST_F(Life, TheTitleOpensTheSystemMenuAndADoubleClickOnTheIconCloses) {
  LoadSkin();
  provider->SetBorderIcons({});
  Show();
  struct Case {
    const char* Name;
    std::function<void()> Open;
    TPoint At;  // the menu's top-left on the screen
  };
  const auto pressIcon = [&] { session.Press(OnScreen({10, 10})); };
  const auto rightClickCaption = [&] {
    session.Click(OnScreen({200, 10}), platform::MouseButton::Right);
  };
  const auto altSpace = [&] {
    platform::InputKey(platform::VK_MENU, true);
    session.PressKey(platform::VK_SPACE);
    platform::InputKey(platform::VK_MENU, false);
  };
  // The window lies at (100, 100); under the icon means (100 + 4, 100 + 16 + 4).
  const std::vector<Case> cases = {
      {"a press on the icon", pressIcon, {104, 120}},
      {"a right click on the caption", rightClickCaption, {300, 110}},
      {"Alt+Space", altSpace, {104, 120}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    TRect opened;
    session.Backend().ScheduleStep([&] {
      opened = platform::GetWindowRect(platform::GetTopLevelWindows().front());
      session.PressKey(platform::VK_ESCAPE);
    });
    session.Advance(1000);
    c.Open();
    EXPECT_EQ(opened.TopLeft(), c.At);
    session.Release(OnScreen({10, 10}));
  }
  EXPECT_FALSE(app.Terminated());
  session.Advance(1000);
  session.Backend().ScheduleStep([&] { session.PressKey(platform::VK_ESCAPE); });
  session.Click(OnScreen({10, 10}));
  session.Click(OnScreen({10, 10}));
  EXPECT_TRUE(app.Terminated());
}

// A painter of menus that notes what the frame asks of it.
// It outlives the fixture: the manager, going with the application, still flushes the cache.
std::vector<std::string> painterLog;

class TPainterProbe : public sSkinManager::TsMenuPainter {
 public:
  using TsMenuPainter::TsMenuPainter;
  void HookMainMenu(framework::TMainMenu*, bool on) override { Note("HookMainMenu", on); }
  void HookPopupMenu(framework::TPopupMenu*, bool on) override { Note("HookPopupMenu", on); }
  void HookItemTree(TMenuItem* item, bool on) override {
    Note("HookItemTree " + item->Caption(), on);
  }
  void PrepareItem(TMenuItem* item, bool on) override {
    Note("PrepareItem " + item->Caption(), on);
  }
  void SkinAll(bool on) override { Note("SkinAll", on); }
  void FlushPictureCache() override { painterLog.push_back("Flush"); }

 private:
  static void Note(const std::string& what, bool on) {
    painterLog.push_back(what + (on ? " on" : " off"));
  }
};

class MenuPainting : public ProviderFixture {
 protected:
  MenuPainting() {
    painterLog.clear();
    menu = new framework::TMainMenu(form);
    menu->SetOwnerDraw(true);
    file = Item(menu->Items(), "File");
    open = Item(file, "Open");
    form->SetMenu(menu);
  }
  TMenuItem* Item(TMenuItem* parent, const char* caption) {
    auto* item = new TMenuItem(form);
    item->SetCaption(caption);
    parent->Add(item);
    return item;
  }

  MenuPainterSwap probe{
      [](sSkinManager::TsSkinManager* m) -> std::unique_ptr<sSkinManager::TsMenuPainter> {
        return std::make_unique<TPainterProbe>(m);
      }};
  std::vector<std::string>& log = painterLog;
  framework::TMainMenu* menu = nullptr;
  TMenuItem* file = nullptr;
  TMenuItem* open = nullptr;
};

TEST_F(MenuPainting, TheFrameHandsTheMenusToThePainter) {
  LoadSkin();
  // The manager flushes for forms without a frame too; the frame flushes as it re-skins.
  EXPECT_EQ(log, (std::vector<std::string>{"Flush", "SkinAll on", "Flush"})) << "the skin loaded";

  log.clear();
  Show();
  ASSERT_GE(log.size(), 2u);
  EXPECT_EQ(log[0], "PrepareItem File on") << "activation: the bar's items";
  EXPECT_EQ(log[1], "SkinAll on");

  log.clear();
  platform::MeasureItemStruct measure{
      platform::ODT_MENU, open->Command(), menu->MenuHandle(), 0, 0, 0, open->Command()};
  platform::SendMessage(Window(), platform::WM_MEASUREITEM, 0, platform::MeasureItemParam(measure));
  EXPECT_EQ(log, (std::vector<std::string>{"PrepareItem Open on"}));
  EXPECT_GT(measure.ItemWidth, 0) << "the form measured it after";

  log.clear();
  auto* late = new framework::TMainMenu(nullptr);
  form->InsertComponent(late);
  form->RemoveComponent(late);
  delete late;
  EXPECT_EQ(log, (std::vector<std::string>{"HookMainMenu on", "HookMainMenu on", "HookMainMenu off",
                                           "HookMainMenu off"}))
      << "told to the manager and to the provider";

  log.clear();
  manager->SetActive(false);
  EXPECT_EQ(log, (std::vector<std::string>{"Flush", "Flush", "SkinAll off"}));
}

}  // namespace
