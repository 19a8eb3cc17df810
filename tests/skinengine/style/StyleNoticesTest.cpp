// What styles do with the framework's notices and for their windows: moves and focus, the
// corner-cut window region, and the refresh of skinned children under a new frame picture.
#include <gtest/gtest.h>

#include "framework/controls/Panel.h"
#include "platform/window/Windows.h"
#include "skinengine/controls/sCustomButton.h"
#include "skinengine/controls/sCustomLabel.h"
#include "tests/skinengine/style/StyleTestSupport.h"

namespace {

using sStyleUtil::TsActiveBGStyle;
using sStyleUtil::TsPassiveBGStyle;
using styletests::TStyledControl;

class StyleNotices : public ::testing::Test, public styletests::StyledFixture {
 protected:
  skintests::SkinStateReset reset;
};

// A moved control's look is stale; a control whose shadow lies in its parent has the parent
// repaint, a button repaints itself, anything else waits for its next paint.
TEST_F(StyleNotices, AMoveRepaintsWhereTheLookLives) {
  TStyledControl* parent = AddStyled<TsPassiveBGStyle>(form, {0, 0, 200, 100}, 151);
  TStyledControl* plain = AddStyled<TsPassiveBGStyle>(parent, {10, 10, 40, 30}, 0);
  TStyledControl* shadowed = AddStyled<TsActiveBGStyle>(parent, {50, 10, 80, 30}, 92);
  shadowed->Style<TsActiveBGStyle>().Effects()->Shadow()->SetEnabled(true);
  auto* button = Add<sCustomButton::TsSpeedButton>(parent, 100, 10, 84, 22);
  skintests::Painted(*parent);
  int notices = parent->staleNotices;

  plain->SetLeft(12);
  EXPECT_TRUE(plain->Style<TsPassiveBGStyle>().CacheStale());
  EXPECT_TRUE(plain->Style<TsPassiveBGStyle>().RegionStale()) << "rebuilt at the next paint";
  EXPECT_EQ(parent->staleNotices, notices);
  button->SetTop(12);
  EXPECT_FALSE(button->sStyle()->CacheStale()) << "painted at once";
  shadowed->SetWidth(31);
  EXPECT_EQ(parent->staleNotices, ++notices);
}

TEST_F(StyleNotices, FocusMarksTheStyleAndRepaintsButSmallKinds) {
  struct Case {
    int kind;
    bool invalidated;  // by the style on entering
  };
  for (const Case& c : {Case{0, true}, Case{3, false}, Case{15, false}, Case{16, true}}) {
    TStyledControl* control = AddStyled<sStyleEdits::TsStyle>(form, {10, 10, 60, 30}, c.kind);
    const auto& style = control->Style<sStyleEdits::TsStyle>();
    int invalidates = control->invalidates;
    control->SetFocus();
    EXPECT_TRUE(style.Focused()) << c.kind;
    EXPECT_EQ(control->invalidates > invalidates, c.invalidated) << c.kind;
    invalidates = control->invalidates;
    form->SetFocus();
    EXPECT_FALSE(style.Focused()) << c.kind;
    EXPECT_GT(control->invalidates, invalidates) << c.kind;
    control->Style<sStyleEdits::TsStyle>().SetCacheStale(false);
    control->SetEnabled(false);
    EXPECT_TRUE(style.CacheStale()) << c.kind << ": a disabled control looks different";
    delete control;
  }
}

// The window region cuts one pixel off each corner, so the corner pixel belongs to the form.
TEST_F(StyleNotices, TheWindowRegionCutsTheCornersWhereTheStyleAsks) {
  struct Case {
    const char* what;
    int kind;
    bool soft;
    bool masks;        // an active style's own masked borders
    bool regionStale;  // what the base rule waits for
    bool cut;
  };
  const Case cases[] = {
      {"editor: every time", 3, true, false, false, true},
      {"editor of kind 7 keeps its window", 7, true, false, true, false},
      {"button without masks: every time", 92, true, false, false, true},
      {"button with masks: only when stale", 92, true, true, false, false},
      {"button with masks, stale", 92, true, true, true, true},
      {"not soft", 92, false, false, true, false},
      {"a kind with square corners", 145, true, false, true, false},
  };
  for (const Case& c : cases) {
    TStyledControl* control = c.kind == 92
                                  ? AddStyled<TsActiveBGStyle>(form, {10, 10, 60, 30}, c.kind)
                                  : AddStyled<sStyleEdits::TsStyle>(form, {10, 10, 60, 30}, c.kind);
    auto& style = control->Style<sStyleSimply::TsGenStyle>();
    if (c.kind == 92)
      control->Style<TsActiveBGStyle>().BtnEffects()->MaskedBorders()->SetEnabled(c.masks);
    style.SetSoftControl(c.soft);
    style.SetRegionStale(c.regionStale);
    style.UpdateRegion();
    const platform::HWND corner = platform::WindowFromPoint(control->ClientToScreen({0, 0}));
    EXPECT_EQ(corner == form->Handle(), c.cut) << c.what;
    EXPECT_EQ(platform::WindowFromPoint(control->ClientToScreen({1, 0})), control->Handle())
        << c.what;
    delete control;
  }
  // Without a window there is nothing to shape.
  TStyledControl* loose = AddStyled<sStyleEdits::TsStyle>(nullptr, {0, 0, 10, 10}, 3);
  loose->Style<sStyleEdits::TsStyle>().UpdateRegion();
  EXPECT_FALSE(loose->HandleAllocated());
}

// The form's own background: shares as any style's, a solid fill only over the rectangle
// asked for, and the children's shadows only for a container kind, which a frame's is not.
TEST_F(StyleNotices, TheFormStyleComposesTheFormsBackground) {
  sStylePassive::TsPassivePaintStyle frame(form);
  frame.Painting()->SetColor(0x505050);
  frame.Background()->Gradient()->SetPercent(0);
  sSkinManager::SkinSections() = {skintests::Section("Shady")};
  sSkinManager::SkinSections()[0].ShadowEnabled = true;  // black, offset 0, share 0: a fill
  sSkinManager::SetSkinLoaded(true);
  AddStyled<TsActiveBGStyle>(form, {2, 2, 6, 5}, 92)
      ->Style<TsActiveBGStyle>()
      .SetSkinSection("Shady");
  struct Case {
    int kind;
    platform::TColor underChild;
  };
  for (const Case& c : {Case{224, 0x505050}, Case{151, platform::clBlack}}) {
    frame.SetControlKind(c.kind);
    platform::Bitmap target(10, 8);
    target.Fill(platform::clWhite);
    frame.PaintBackground(target, {1, 1, 9, 7});
    EXPECT_EQ(target.Pixel(1, 1), 0x505050u) << c.kind;
    EXPECT_EQ(target.Pixel(8, 6), 0x505050u) << c.kind;
    EXPECT_EQ(target.Pixel(0, 0), platform::clWhite) << c.kind << ": outside, as it was";
    EXPECT_EQ(target.Pixel(3, 3), c.underChild) << c.kind;
  }
}

// A skinned label: no style, repainted with the skinned controls.
class TProbeLabel : public sCustomLabel::TsLabel {
 public:
  using TsLabel::TsLabel;
  int paints = 0;

 protected:
  void Paint() override {
    ++paints;
    TsLabel::Paint();
  }
};

TEST_F(StyleNotices, SkinnedChildrenFollowANewFramePicture) {
  struct Case {
    const char* what;
    int kind;
    int transparency;
    bool rebuilt;
    bool stale;    // told to rebuild its cache
    bool painted;  // repainted at once, not only invalidated
  };
  const Case cases[] = {
      {"check box, picture kept", 32, 0, false, false, false},
      {"check box, new picture", 32, 0, true, true, true},
      {"opaque container", 151, 0, true, false, false},
      {"see-through container", 151, 30, true, true, true},
      {"button, picture kept", 92, 0, false, false, true},
      {"button, new picture", 92, 0, true, true, true},
      {"kind 141", 141, 0, true, true, true},
      {"gauge", 161, 0, true, true, false},
      {"edit", 3, 0, true, false, false},
  };
  for (const Case& c : cases) {
    TStyledControl* child = AddStyled<TsPassiveBGStyle>(form, {10, 10, 60, 30}, c.kind);
    child->Style<TsPassiveBGStyle>().Painting()->SetTransparency(c.transparency);
    skintests::Painted(*child);
    const int invalidates = child->invalidates;
    sStyleUtil::RefreshSkinnedChildren(*form, c.rebuilt);
    EXPECT_EQ(child->staleNotices, c.stale ? 1 : 0) << c.what;
    EXPECT_EQ(child->Style<TsPassiveBGStyle>().CacheStale(), c.stale && !c.painted) << c.what;
    EXPECT_EQ(child->invalidates > invalidates, c.stale || c.painted) << c.what;
    delete child;
  }
  auto* label = Add<TProbeLabel>(form, 10, 40, 50, 13);
  auto* panel = Add<framework::TPanel>(form, 80, 40, 50, 20);
  skintests::Painted(*panel);
  const int paints = label->paints;
  sStyleUtil::RefreshSkinnedChildren(*form, false);
  EXPECT_EQ(label->paints, paints + 1);
}

}  // namespace
