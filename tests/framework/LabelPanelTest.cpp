#include <gtest/gtest.h>

#include "framework/controls/Edit.h"
#include "framework/controls/GroupBox.h"
#include "framework/controls/Image.h"
#include "framework/controls/Label.h"
#include "framework/controls/PaintBox.h"
#include "framework/controls/Panel.h"
#include "framework/graphics/Bitmap.h"
#include "platform/graphics/Font.h"
#include "platform/graphics/TextLayout.h"
#include "platform/window/Input.h"
#include "platform/window/Messages.h"
#include "platform/window/Paint.h"
#include "platform/window/Windows.h"
#include "tests/framework/ControlTestSupport.h"

namespace framework {
namespace {

using platform::ColorToRGB;
using testing::FormFixture;

class StandardControls : public ::testing::Test, public FormFixture {
 protected:
  // The colour at a client point of a control, as the screen shows it.
  platform::TColor PixelAt(const TControl& control, int x, int y) {
    platform::UpdateWindow(form->Handle());
    FreeDeviceContexts();
    const platform::Bitmap shot = platform::WindowSnapshot(form->Handle());
    const platform::TPoint at =
        platform::ScreenToWindow(form->Handle(), control.ClientToScreen({x, y}));
    return shot.Pixel(at.X, at.Y);
  }
};

TEST(Accelerators, TheLetterAfterASingleAmpersandCounts) {
  EXPECT_EQ(AccelChar("&File"), 'f');
  EXPECT_EQ(AccelChar("Save && &Quit"), 'q');
  EXPECT_EQ(AccelChar("Fish && Chips"), 0);
  EXPECT_EQ(AccelChar("trailing &"), 0);
}

TEST_F(StandardControls, LabelSizesToItsTextAndKeepsItsWidthWhenWrapping) {
  auto* label = Add<TLabel>(form, 10, 10);
  label->SetCaption("Nilai &m");
  const int cell = platform::GetTextMetrics(label->Font()->Data()).Height;
  const int width = platform::TextExtent(label->Font()->Data(), "Nilai m").cx;
  EXPECT_EQ(label->Width(), width) << "the prefix character takes no room";
  EXPECT_EQ(label->Height(), cell);

  label->SetAlignment(taRightJustify);
  const int right = label->Left() + label->Width();
  label->SetCaption("Nilai m longer");
  EXPECT_EQ(label->Left() + label->Width(), right) << "right-aligned labels grow leftwards";

  label->SetWordWrap(true);
  label->SetWidth(width);
  label->SetCaption("one two three four");
  EXPECT_EQ(label->Width(), width);
  EXPECT_GT(label->Height(), cell);

  label->SetAutoSize(false);
  label->SetCaption("x");
  EXPECT_EQ(label->Width(), width);
}

TEST_F(StandardControls, AltWithTheLabelsLetterFocusesItsControlUntilThatIsFreed) {
  auto* label = Add<TLabel>(form, 10, 10);
  auto* edit = Add<TEdit>(form, 100, 10);
  auto* other = Add<TEdit>(form, 100, 40);
  label->SetCaption("Nilai &m");
  label->SetFocusControl(edit);
  other->SetFocus();
  PressWith(platform::VK_MENU, 'M');
  EXPECT_TRUE(edit->Focused());

  delete edit;
  EXPECT_EQ(label->FocusControl(), nullptr);
  other->SetFocus();
  PressWith(platform::VK_MENU, 'M');
  EXPECT_TRUE(other->Focused());
}

TEST_F(StandardControls, TransparentLabelLeavesTheBackgroundAround) {
  form->SetColor(platform::clWhite);
  auto* label = Add<TLabel>(form, 10, 10);
  label->SetCaption("|");
  label->SetColor(platform::clRed);
  EXPECT_EQ(PixelAt(*label, label->Width() - 1, 0), platform::clRed);
  label->SetTransparent(true);
  EXPECT_EQ(PixelAt(*label, label->Width() - 1, 0), platform::clWhite);
}

TEST_F(StandardControls, PanelBevelsFrameTheAreaWhereAlignedChildrenGo) {
  auto* panel = Add<TPanel>(form, 10, 10, 200, 100);
  auto* box = Add<TPaintBox>(panel, 0, 0);
  box->SetAlign(alClient);
  EXPECT_EQ(box->BoundsRect(), (platform::TRect{1, 1, 199, 99}));
  panel->SetBevelInner(bvLowered);
  panel->SetBevelWidth(3);
  EXPECT_EQ(box->BoundsRect(), (platform::TRect{6, 6, 194, 94}));
  EXPECT_THROW(panel->SetBevelWidth(0), EInvalidOperation);

  box->SetColor(platform::clLime);
  EXPECT_EQ(PixelAt(*panel, 0, 0), ColorToRGB(platform::clBtnHighlight)) << "raised outside";
  EXPECT_EQ(PixelAt(*panel, 199, 99), ColorToRGB(platform::clBtnShadow));
  EXPECT_EQ(PixelAt(*panel, 3, 3), ColorToRGB(platform::clBtnShadow)) << "lowered inside";
  EXPECT_EQ(PixelAt(*panel, 6, 6), platform::clLime);
}

TEST_F(StandardControls, GroupBoxChildrenAlignBelowTheCaption) {
  auto* group = Add<TGroupBox>(form, 10, 10, 200, 100);
  group->SetCaption("Jumlah");
  auto* panel = Add<TPanel>(group, 0, 0);
  panel->SetAlign(alClient);
  const int cell = platform::GetTextMetrics(group->Font()->Data()).Height;
  EXPECT_EQ(panel->BoundsRect(), (platform::TRect{2, cell, 198, 98}));
}

TEST_F(StandardControls, PaintBoxPaintsItsColourThenRunsOnPaint) {
  auto* box = Add<TPaintBox>(form, 10, 10, 40, 40);
  box->SetColor(platform::clYellow);
  box->OnPaint = [box](TObject*) {
    box->Canvas()->Brush()->SetColor(platform::clBlue);
    box->Canvas()->FillRect({0, 0, 10, 10});
  };
  box->Invalidate();
  EXPECT_EQ(PixelAt(*box, 5, 5), platform::clBlue);
  EXPECT_EQ(PixelAt(*box, 20, 20), platform::clYellow);
}

TEST_F(StandardControls, ImageCanvasMakesABitmapOfTheControlsSize) {
  auto* image = Add<TImage>(form, 10, 10, 50, 30);
  EXPECT_EQ(image->Picture()->Graphic(), nullptr);
  image->Canvas()->Brush()->SetColor(platform::clRed);
  image->Canvas()->FillRect({0, 0, 50, 30});
  ASSERT_NE(image->Picture()->Graphic(), nullptr);
  EXPECT_EQ(image->Picture()->Width(), 50);
  EXPECT_EQ(image->Picture()->Height(), 30);
  EXPECT_EQ(PixelAt(*image, 49, 29), platform::clRed);

  TBitmap small;
  small.SetSize(10, 10);
  small.Canvas()->Brush()->SetColor(platform::clBlue);
  small.Canvas()->FillRect({0, 0, 10, 10});
  image->Picture()->SetGraphic(&small);
  image->SetColor(platform::clWhite);
  form->SetColor(platform::clWhite);
  EXPECT_EQ(PixelAt(*image, 5, 5), platform::clBlue);
  EXPECT_EQ(PixelAt(*image, 25, 15), platform::clWhite);
  image->SetCenter(true);
  EXPECT_EQ(PixelAt(*image, 25, 15), platform::clBlue);
  EXPECT_EQ(PixelAt(*image, 5, 5), platform::clWhite);
  image->SetStretch(true);
  EXPECT_EQ(PixelAt(*image, 49, 29), platform::clBlue);
}

}  // namespace
}  // namespace framework
