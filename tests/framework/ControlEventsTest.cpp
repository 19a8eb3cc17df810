#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

#include "framework/controls/MouseControl.h"
#include "framework/forms/HintWindow.h"
#include "framework/forms/Menus.h"
#include "framework/forms/MessageBoxes.h"
#include "platform/graphics/Canvas.h"
#include "platform/headless/Headless.h"
#include "platform/window/Input.h"
#include "platform/window/Messages.h"
#include "platform/window/Paint.h"
#include "platform/window/Windows.h"
#include "tests/framework/ControlTestSupport.h"

namespace framework {
namespace {

using namespace std::string_literals;
using platform::TColor;
using testing::FormFixture;
using testing::Log;
using testing::TProbeButton;
using testing::TProbeEdit;
using testing::TProbePanel;

class ControlEvents : public ::testing::Test, public FormFixture {
 protected:
  TProbeButton* HintedButton(const char* hint) {
    auto* button = Add<TProbeButton>(form, 20, 20);
    button->SetHint(hint);
    button->SetShowHint(true);
    return button;
  }
  bool HintShown() const { return app.HintWindow() && app.HintWindow()->Visible(); }
};

TEST_F(ControlEvents, AnExceptionInAClickHandlerIsShownAndTheNextClickStillWorks) {
  auto* button = Add<TProbeButton>(form, 20, 20);
  int clicks = 0;
  int completed = 0;
  button->OnClick = [&](TObject*) {
    // The text a file gave may hold a NUL; the box shows all of it.
    if (++clicks == 1) throw EConvertError("'x\0y' is not a valid integer value"s);
    ++completed;
  };
  Click(*button);
  const auto& dialogs = session.Backend().Dialogs();
  ASSERT_EQ(dialogs.size(), 1u);
  EXPECT_TRUE(dialogs[0].IsMessageBox);
  EXPECT_EQ(dialogs[0].Box.Kind, platform::MessageBoxKind::Error);
  EXPECT_EQ(dialogs[0].Box.Text, "'x\0y' is not a valid integer value"s);
  EXPECT_EQ(dialogs[0].Box.Caption, app.Title());
  EXPECT_EQ(completed, 0);

  session.Advance(1000);  // not a double click
  Click(*button);
  EXPECT_EQ(completed, 1);
  EXPECT_EQ(dialogs.size(), 1u);
  EXPECT_FALSE(button->MouseCapture()) << "the failed click let go of the mouse";
}

TEST_F(ControlEvents, AClickNeedsPressAndReleaseInsideAndADoubleClickIsNoSecondClick) {
  auto* button = Add<TProbeButton>(form, 20, 20);
  Log log;
  button->OnClick = [&](TObject*) { log.push_back("click"); };
  button->OnDblClick = [&](TObject*) { log.push_back("double"); };
  button->OnMouseUp = [&](TObject*, TMouseButton, TShiftState, int x, int y) {
    log.push_back("up " + std::to_string(x) + "," + std::to_string(y));
  };
  session.Press(Centre(*button));
  session.Release(button->ClientToScreen({100, 5}));  // outside: captured, but no click
  EXPECT_EQ(log, (Log{"up 100,5"}));

  log.clear();
  session.Advance(1000);
  session.Click(Centre(*button));
  session.Click(Centre(*button));
  EXPECT_EQ(log, (Log{"click", "up 30,10", "double", "up 30,10"}));
}

TEST_F(ControlEvents, AGraphicControlIsPaintedByItsParentAtItsPlace) {
  auto* panel = Add<TProbePanel>(form, 10, 10, 200, 100);
  panel->SetColor(platform::clWhite);
  auto* button = Add<TProbeButton>(panel, 30, 40, 20, 10);
  auto* hidden = Add<TProbeButton>(panel, 100, 40, 20, 10);
  hidden->Hide();
  platform::UpdateWindow(form->Handle());

  const platform::Bitmap shot = platform::WindowSnapshot(panel->Handle());
  EXPECT_EQ(shot.Pixel(30, 40), platform::clRed);
  EXPECT_EQ(shot.Pixel(49, 49), platform::clRed);
  EXPECT_EQ(shot.Pixel(50, 40), platform::clWhite) << "clipped to the control";
  EXPECT_EQ(shot.Pixel(29, 40), platform::clWhite);
  EXPECT_EQ(shot.Pixel(100, 40), platform::clWhite) << "hidden controls are not painted";

  button->Face = platform::clBlue;
  button->Repaint();
  EXPECT_EQ(platform::WindowSnapshot(panel->Handle()).Pixel(35, 45), platform::clBlue);
}

// Paints its client area in its own colour, with the font of the control.
class TSelfPainted : public TCustomControl {
 public:
  using TCustomControl::TCustomControl;
  int FontHeightSeen = 0;

 protected:
  void Paint() override {
    FontHeightSeen = Canvas()->Font()->Height();
    Canvas()->Brush()->SetColor(platform::clGreen);
    Canvas()->FillRect({0, 0, 10, 10});
  }
};

TEST_F(ControlEvents, CustomControlsPaintOnTheirCanvasAndCanvasesWorkOutsidePainting) {
  auto* custom = Add<TSelfPainted>(form, 10, 10, 50, 50);
  custom->Font()->SetHeight(-14);
  auto* box = Add<TProbeButton>(form, 100, 10, 40, 40);
  platform::UpdateWindow(form->Handle());
  EXPECT_EQ(platform::WindowSnapshot(custom->Handle()).Pixel(5, 5), platform::clGreen);
  EXPECT_EQ(custom->FontHeightSeen, -14);

  // Drawing at any time, as a paint box is drawn into while a command runs.
  box->Canvas()->Pen()->SetColor(platform::clBlue);
  box->Canvas()->MoveTo(0, 0);
  box->Canvas()->LineTo(40, 0);
  box->Canvas()->SetPixels(39, 39, platform::clYellow);
  box->Canvas()->SetPixels(45, 5, platform::clYellow);  // outside: clipped
  FreeDeviceContexts();
  const platform::Bitmap shot = platform::WindowSnapshot(form->Handle());
  const platform::TPoint at = platform::ScreenToWindow(form->Handle(), box->ClientToScreen({0, 0}));
  EXPECT_EQ(shot.Pixel(at.X + 10, at.Y), platform::clBlue);
  EXPECT_EQ(shot.Pixel(at.X + 39, at.Y + 39), platform::clYellow);
  EXPECT_NE(shot.Pixel(at.X + 45, at.Y + 5), platform::clYellow);
}

TEST_F(ControlEvents, MouseEnterAndLeaveFollowThePointerAcrossControls) {
  auto* button = Add<TProbeButton>(form, 20, 20);
  auto* edit = Add<TProbeEdit>(form, 20, 60);
  Log log;
  for (TControl* c : {static_cast<TControl*>(button), static_cast<TControl*>(edit)}) {
    const std::string name = c == button ? "button" : "edit";
    c->OnMouseEnter = [&log, name](TObject*) { log.push_back("enter " + name); };
    c->OnMouseLeave = [&log, name](TObject*) { log.push_back("leave " + name); };
  }
  session.MoveMouse(Centre(*button));
  session.MoveMouse(Centre(*button) + platform::TPoint{1, 1});
  session.MoveMouse(form->ClientToScreen({5, 5}));
  session.MoveMouse(Centre(*edit));
  session.MoveMouse(Centre(*button));
  platform::InputMouseExit();
  EXPECT_EQ(log, (Log{"enter button", "leave button", "enter edit", "leave edit", "enter button",
                      "leave button"}));
  EXPECT_EQ(MouseControl(), nullptr);
}

TEST_F(ControlEvents, ColourAndFontComeFromTheParentUntilSetOnTheControl) {
  auto* panel = Add<TProbePanel>(form, 10, 10, 200, 100);
  auto* button = Add<TProbeButton>(panel, 5, 5);
  form->SetColor(platform::clAqua);
  form->Font()->SetHeight(-15);
  EXPECT_EQ(panel->Color(), platform::clAqua);
  EXPECT_EQ(button->Color(), platform::clAqua) << "passed on down the tree";
  EXPECT_EQ(button->Font()->Height(), -15);
  EXPECT_TRUE(button->ParentFont());

  panel->Font()->SetColor(platform::clRed);
  EXPECT_FALSE(panel->ParentFont());
  EXPECT_EQ(button->Font()->Color(), platform::clRed);
  EXPECT_EQ(button->Font()->Height(), -15);
  form->Font()->SetHeight(-20);
  EXPECT_EQ(button->Font()->Height(), -15) << "the panel has a font of its own now";

  button->SetColor(platform::clLime);
  EXPECT_FALSE(button->ParentColor());
  form->SetColor(platform::clYellow);
  EXPECT_EQ(button->Color(), platform::clLime);
  button->SetParentColor(true);
  EXPECT_EQ(button->Color(), platform::clYellow);

  auto* other = Add<TProbePanel>(form, 10, 150, 50, 50);
  other->SetColor(platform::clNavy);
  button->SetParent(other);
  EXPECT_EQ(button->Color(), platform::clNavy) << "a new parent's colour";
}

TEST_F(ControlEvents, AHintShowsAfterThePauseAndGoesWhenTheMouseLeaves) {
  auto* button = HintedButton("Draw the curve|long help");
  session.MoveMouse(Centre(*button));
  session.Advance(app.HintPause() - 10);
  EXPECT_FALSE(HintShown());
  session.Advance(20);
  ASSERT_TRUE(HintShown());
  EXPECT_EQ(app.HintWindow()->Text(), "Draw the curve");
  EXPECT_TRUE(platform::IsWindowVisible(app.HintWindow()->Handle()));

  session.MoveMouse(form->ClientToScreen({5, 200}));
  EXPECT_FALSE(HintShown());
  session.Advance(1000);
  EXPECT_FALSE(HintShown()) << "no hint for a control without one";
}

// The pixels that are not the hint's background colour.
int InkPixels(const platform::Bitmap& picture, const platform::TRect& area) {
  int ink = 0;
  for (int y = area.Top; y < area.Bottom; ++y) {
    for (int x = area.Left; x < area.Right; ++x)
      ink += picture.Pixel(x, y) != platform::ColorToRGB(platform::clInfoBk);
  }
  return ink;
}

TEST_F(ControlEvents, AHintWindowHoldsItsWholeText) {
  auto* button = HintedButton("Masukan Nilai N = 1<n<10");
  session.MoveMouse(Centre(*button));
  session.Advance(app.HintPause());
  THintWindow* hint = app.HintWindow();
  ASSERT_NE(hint, nullptr);
  platform::UpdateWindow(hint->Handle());
  const platform::Bitmap shown = platform::WindowSnapshot(hint->Handle());

  const platform::TSize extent = platform::TextExtent(hint->Font()->Data(), hint->Text());
  platform::Bitmap alone(extent.cx, extent.cy);
  alone.Fill(platform::ColorToRGB(platform::clInfoBk));
  platform::Canvas canvas(alone);
  canvas.SetFont(hint->Font()->Data());
  canvas.GetBrush().Style = platform::BrushStyle::Clear;
  canvas.TextOut(0, 0, hint->Text());
  const int ink = InkPixels(alone, alone.BoundsRect());
  ASSERT_GT(ink, 100);
  EXPECT_EQ(InkPixels(shown, platform::GetClientRectInWindow(hint->Handle())), ink)
      << "nothing cut at the right or the bottom";
}

// Whether its show is still pending or it is up already, a hint goes for good when the
// user's attention does.
TEST_F(ControlEvents, AHintGoesWhenTheMouseOrTheKeyboardGoElsewhere) {
  auto* button = HintedButton("Gambar");
  struct Case {
    const char* what;
    std::function<void()> turnAway;
  };
  const Case cases[] = {
      {"the mouse leaves our windows", [] { platform::InputMouseExit(); }},
      {"a message box opens",
       [&] {
         session.Backend().WhileNextDialogOpen([&] { EXPECT_FALSE(HintShown()); });
         ShowMessage("Nilai Maksimal M < 10", platform::MessageBoxKind::Error);
       }},
      {"the window is deactivated", [&] { platform::InputActivate(form->Handle(), false); }},
  };
  for (const Case& c : cases) {
    for (const std::uint32_t waited : {app.HintPause() - 10u, std::uint32_t(app.HintPause())}) {
      session.MoveMouse(form->ClientToScreen({200, 200}));
      platform::SetActiveWindow(form->Handle());
      session.MoveMouse(Centre(*button));
      session.Advance(waited);
      c.turnAway();
      EXPECT_FALSE(HintShown()) << c.what << " after " << waited << " ms";
      session.Advance(10'000);
      EXPECT_FALSE(HintShown()) << c.what << " after " << waited << " ms, for good";
    }
  }
}

TEST_F(ControlEvents, AWindowThatIsNotActiveShowsNoHints) {
  auto* button = HintedButton("Gambar");
  platform::InputActivate(form->Handle(), false);
  session.MoveMouse(Centre(*button));
  session.Advance(10'000);
  EXPECT_FALSE(HintShown());
}

TEST_F(ControlEvents, ShowHintFollowsTheParentAndARightClickOpensThePopupMenu) {
  auto* panel = Add<TProbePanel>(form, 10, 10, 200, 100);
  auto* button = Add<TProbeButton>(panel, 5, 5);
  form->SetShowHint(true);
  EXPECT_TRUE(button->ShowHint());
  button->SetShowHint(false);
  EXPECT_FALSE(button->ParentShowHint());
  form->SetShowHint(false);
  form->SetShowHint(true);
  EXPECT_FALSE(button->ShowHint());

  auto* popup = new TPopupMenu(form);
  auto* item = new TMenuItem(form);
  item->SetCaption("Clear");
  item->SetParentComponent(popup);
  int chosen = 0;
  item->OnClick = [&](TObject*) { ++chosen; };
  button->SetPopupMenu(popup);
  session.Backend().ScheduleStep([&] {
    session.PressKey(platform::VK_DOWN);
    session.PressKey(platform::VK_RETURN);
  });
  session.Click(Centre(*button), platform::MouseButton::Right);
  EXPECT_EQ(chosen, 1);
  delete popup;
  EXPECT_EQ(button->PopupMenu(), nullptr);
  session.Advance(1000);
  session.Click(Centre(*button), platform::MouseButton::Right);  // nothing to open
}

TEST_F(ControlEvents, AReplacedWindowProcSeesEveryMessageFirstAndPassesItOn) {
  auto* edit = Add<TProbeEdit>(form, 20, 20);
  std::vector<std::uint32_t> seen;
  TWndMethod old = edit->WindowProc;
  edit->WindowProc = [&, old](TMessage& m) {
    seen.push_back(m.Msg);
    if (m.Msg == platform::WM_CHAR && m.WParam == 'q') return;  // kept from the control
    old(m);
  };
  edit->SetFocus();
  session.MoveMouse(Centre(*edit));
  session.TypeText("qw");
  edit->SetEnabled(false);
  for (const std::uint32_t msg :
       {platform::WM_SETFOCUS, CM_ENTER, CM_MOUSEENTER, CM_ENABLEDCHANGED})
    EXPECT_NE(std::find(seen.begin(), seen.end(), msg), seen.end()) << msg;
  EXPECT_EQ(edit->Typed, "w");
}

TEST_F(ControlEvents, AltWithALetterGoesToTheControlThatAnswersIt) {
  auto* edit = Add<TProbeEdit>(form, 20, 20);
  auto* panel = Add<TProbePanel>(form, 20, 60, 100, 50);
  auto* button = Add<TProbeButton>(panel, 5, 5);
  int hits = 0;
  TWndMethod old = button->WindowProc;
  button->WindowProc = [&, old](TMessage& m) {
    if (m.Msg == CM_DIALOGCHAR && m.WParam == 'g') {
      ++hits;
      m.Result = 1;
      return;
    }
    old(m);
  };
  edit->SetFocus();
  platform::InputKey(platform::VK_MENU, true);
  session.PressKey('G');
  session.PressKey('H');
  platform::InputKey(platform::VK_MENU, false);
  EXPECT_EQ(hits, 1);
  EXPECT_EQ(edit->Typed, "");
}

TEST_F(ControlEvents, AlignedChildrenShareTheClientAreaAndFollowItsSize) {
  auto* panel = Add<TProbePanel>(form, 10, 10, 200, 100);
  auto* top = Add<TProbeButton>(panel, 0, 0, 10, 20);
  auto* fill = Add<TProbePanel>(panel, 0, 0, 10, 10);
  auto* left = Add<TProbeButton>(panel, 0, 0, 30, 10);
  fill->SetAlign(alClient);
  top->SetAlign(alTop);
  left->SetAlign(alLeft);
  EXPECT_EQ(top->BoundsRect(), (TRect{0, 0, 200, 20}));
  EXPECT_EQ(left->BoundsRect(), (TRect{0, 20, 30, 100}));
  EXPECT_EQ(fill->BoundsRect(), (TRect{30, 20, 200, 100}));

  panel->SetBorderWidth(5);
  EXPECT_EQ(panel->ClientWidth(), 190);
  EXPECT_EQ(fill->BoundsRect(), (TRect{30, 20, 190, 90}));
  panel->SetBounds(10, 10, 300, 200);
  EXPECT_EQ(fill->BoundsRect(), (TRect{30, 20, 290, 190}));
  top->Hide();
  EXPECT_EQ(left->BoundsRect(), (TRect{0, 0, 30, 190})) << "a hidden control takes no room";
  top->SetHeight(50);
  EXPECT_EQ(top->Width(), 290);
  EXPECT_THROW(panel->SetBorderWidth(-1), EInvalidOperation);
}

TEST_F(ControlEvents, ParentingMistakesAreErrors) {
  auto* panel = Add<TProbePanel>(form, 10, 10, 100, 100);
  auto* inner = Add<TProbePanel>(panel, 10, 10, 50, 50);
  EXPECT_THROW(panel->SetParent(inner), EInvalidOperation);
  EXPECT_THROW(panel->SetParent(panel), EInvalidOperation);
  EXPECT_EQ(panel->Parent(), form);
  TComponent plain(nullptr);
  EXPECT_THROW(inner->SetParentComponent(&plain), EInvalidOperation);
  auto* orphan = new TProbePanel(form);
  EXPECT_THROW(orphan->Handle(), EInvalidOperation);
}

}  // namespace
}  // namespace framework
