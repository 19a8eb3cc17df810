#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/controls/Panel.h"
#include "framework/runtime/Exceptions.h"
#include "platform/headless/Headless.h"
#include "tests/skinengine/style/StyleTestSupport.h"

namespace {

std::vector<std::string> Names(const framework::TClassInfo& info) {
  std::vector<std::string> names;
  for (const framework::TPropInfo& p : info.Properties()) names.push_back(p.Name);
  return names;
}

using List = std::vector<std::string>;

TEST(StyleTree, ClassesPublishTheirPropertiesInStreamOrder) {
  EXPECT_EQ(Names(sStyleEdits::TsStyle::StaticClassInfo()),
            (List{"Effects", "OnMouseEnter", "SoftControl", "GroupIndex", "SkinSection", "Painting",
                  "Selection", "Caption", "KeysNextControl", "KeysPrevControl"}));
  EXPECT_EQ(Names(sStyleUtil::TsActiveBGStyle::StaticClassInfo()),
            (List{"Effects", "OnMouseEnter", "SoftControl", "GroupIndex", "SkinSection", "Painting",
                  "Background", "HotStyle", "BtnEffects"}));
  EXPECT_EQ(Names(sStyleSimply::TsShadow::StaticClassInfo()),
            (List{"Transparency", "DontUse", "Enabled", "Color", "Offset", "Blur"}));
  EXPECT_EQ(Names(sStyleEdits::TsPainting::StaticClassInfo()),
            (List{"Bevel", "ColorBorderTop", "ColorBorderBottom", "Color", "ParentColor"}));
  EXPECT_EQ(Names(sStyleUtil::TsPainting::StaticClassInfo()),
            (List{"Bevel", "Transparency", "Color", "ParentColor"}));
  EXPECT_EQ(Names(sStyleActive::TsBackground::StaticClassInfo()),
            (List{"Image", "Gradient", "ListenMSG"}));
  EXPECT_EQ(Names(sStyleActive::TsHotPainting::StaticClassInfo()),
            (List{"Color", "FontColor", "FontStyle", "Transparency", "Bevel", "BevelWidth"}));
  EXPECT_EQ(Names(sStyleEdits::TsStyleCaption::StaticClassInfo()),
            (List{"Layout", "MaxWidth", "Font", "Text", "Active"}));
  EXPECT_EQ(Names(sStylePassive::TsPassivePaintStyle::StaticClassInfo()),
            (List{"Background", "Shadow", "Painting", "GroupIndex", "SkinSection"}));
  EXPECT_EQ(Names(sStylePassive::TsPassivePainting::StaticClassInfo()),
            (List{"Bevel", "Transparency", "ColorBorderTop", "ColorBorderBottom", "Color"}));
}

TEST(StyleTree, ANewStyleStartsUnboundWithAStaleCacheOfTheControlsSize) {
  platform::HeadlessSession session;
  framework::TPanel control(nullptr);
  control.SetBounds(0, 0, 40, 20);
  const sStyleEdits::TsStyle style(&control);
  EXPECT_EQ(style.SkinIndex(), -1);
  EXPECT_EQ(style.MaskIndex(), -1);
  EXPECT_TRUE(style.CacheStale());
  EXPECT_TRUE(style.RegionStale());
  EXPECT_TRUE(style.SoftControl());
  EXPECT_FALSE(style.Focused());
  EXPECT_FALSE(style.MouseInside());
  EXPECT_EQ(style.ControlKind(), 0);
  EXPECT_EQ(style.CacheBmp()->Width(), 40);
  EXPECT_EQ(style.CacheBmp()->Height(), 20);
  EXPECT_EQ(style.OwnerControl(), &control);

  const sStyleEdits::TsPainting& painting = *style.Painting();
  EXPECT_EQ(painting.ColorBorderTop(), platform::clBtnHighlight);
  EXPECT_EQ(painting.ColorBorderBottom(), 0x7E756Bu);
  EXPECT_EQ(painting.Color(), 0xECFFFFu);
  EXPECT_EQ(style.Selection()->Mode(),
            (sStyleEdits::TsSelectionModes{sStyleEdits::msBorder, sStyleEdits::msColor}));
  EXPECT_EQ(style.Selection()->Border()->Width(), 2);
  EXPECT_EQ(style.Effects()->Shadow()->Transparency(), 60);
  EXPECT_TRUE(style.Effects()->Shadow()->DontUse());
}

TEST(StyleTree, AStyleWithoutControlHasAnEmptyCache) {
  sStyleUtil::TsActiveBGStyle style(nullptr);
  EXPECT_EQ(style.CacheBmp()->Width(), 0);
  style.Invalidate();
  EXPECT_TRUE(style.CacheStale());
  EXPECT_EQ(style.HotStyle()->HotPainting()->BevelWidth(), 5);
  EXPECT_EQ(style.BtnEffects()->Fading()->Iterations(), 5);
  EXPECT_EQ(style.Background()->Gradient()->Percent(), 70);
  EXPECT_EQ(style.Painting()->BevelWidth(), 0);
}

TEST(StyleTree, SubObjectsKnowTheirOwners) {
  sStyleUtil::TsActiveBGStyle style(nullptr);
  EXPECT_EQ(style.Effects()->GetOwner(), &style);
  EXPECT_EQ(style.Effects()->Shadow()->GetOwner(), style.Effects());
  EXPECT_EQ(style.Painting()->GetOwner(), &style);
  EXPECT_EQ(style.Background()->GetOwner(), &style);
  EXPECT_EQ(style.Background()->Image()->Background(), style.Background());
  EXPECT_EQ(style.HotStyle()->HotBackground()->GetOwner(), style.HotStyle());
  EXPECT_EQ(style.BtnEffects()->MaskedBorders()->GetOwner(), style.BtnEffects());
}

TEST(StyleTree, AssigningCopiesTheWholeTree) {
  sStyleUtil::TsActiveBGStyle source(nullptr);
  source.SetSkinSection("Button");
  source.Painting()->SetColor(0x112233);
  source.Background()->Gradient()->SetData("1;2;50;0;0");
  source.Background()->Image()->SetPercent(30);
  source.HotStyle()->HotPainting()->SetFontStyle({framework::fsBold});
  source.BtnEffects()->Fading()->SetEnabled(false);
  source.Effects()->Shadow()->SetOffset(3);

  sStyleUtil::TsActiveBGStyle copy(nullptr);
  copy.Assign(&source);
  EXPECT_EQ(copy.SkinSection(), "Button");
  EXPECT_EQ(copy.Painting()->Color(), 0x112233u);
  EXPECT_EQ(copy.Background()->Gradient()->GradientArray(),
            source.Background()->Gradient()->GradientArray());
  EXPECT_EQ(copy.Background()->Image()->Percent(), 30);
  EXPECT_TRUE(copy.HotStyle()->HotPainting()->FontStyle().Contains(framework::fsBold));
  EXPECT_FALSE(copy.BtnEffects()->Fading()->Enabled());
  EXPECT_EQ(copy.Effects()->Shadow()->Offset(), 3);
  EXPECT_NE(copy.Background(), source.Background());
}

TEST(StyleTree, AssigningAnotherKindOfStyleIsRefused) {
  sStyleEdits::TsStyle edit(nullptr);
  sStyleUtil::TsPassiveBGStyle gauge(nullptr);
  EXPECT_THROW(edit.Assign(&gauge), framework::EConvertError);
  EXPECT_THROW(edit.Assign(nullptr), framework::EConvertError);
}

// No set holds a kind outside 0..255.
TEST(StyleTree, KindSetsHoldTheirRangesAndNothingOutside) {
  using namespace sStyleSimply;
  struct Case {
    const char* set;
    bool (*holds)(int kind);
    std::vector<int> in, out;
  };
  const Case cases[] = {
      {"no shadow", IsNoShadowKind, {58}, {57}},
      {"transparent shadow", IsTransparentShadowKind, {KindSpeedButton, KindGauge}, {KindEdit}},
      {"soft region", IsSoftRegionKind, {140, 200}, {145, 0}},
      {"container", IsContainerKind, {151}, {69}},
      {"never active", IsNeverActiveKind, {KindGauge}, {KindSpeedButton}},
  };
  for (const Case& c : cases) {
    for (const int kind : c.in) EXPECT_TRUE(c.holds(kind)) << c.set << " " << kind;
    for (const int kind : c.out) EXPECT_FALSE(c.holds(kind)) << c.set << " " << kind;
    for (const int kind : {-1, 256, 100000}) EXPECT_FALSE(c.holds(kind)) << c.set << " " << kind;
  }
}

}  // namespace
