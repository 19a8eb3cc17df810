#include <gtest/gtest.h>

#include <cstdint>
#include <utility>

#include "skinengine/skin/sMessages.h"
#include "skinengine/skin/sSkinLists.h"
#include "tests/skinengine/skin/SkinDataTestSupport.h"
#include "tests/skinengine/style/StyleTestSupport.h"

namespace {

using styletests::TStyledControl;

class StyleMessages : public ::testing::Test, public styletests::StyledFixture {
 protected:
  skintests::SkinStateReset reset;
  TStyledControl* control = AddStyled<sStyleEdits::TsStyle>(form, {10, 10, 60, 20}, 0);
};

TEST_F(StyleMessages, TheIdentifyQueryReportsTheKindOfStyle) {
  sStyleEdits::TsStyle edit(nullptr);
  sStyleEdits::TsCustomStyle custom(nullptr);
  sStyleUtil::TsActiveBGStyle button(nullptr);
  for (auto [style, code] :
       {std::pair<sStyleSimply::TsGenStyle*, int>{&edit, 15}, {&custom, 14}, {&button, 1}}) {
    platform::TMessage message{sMessages::SM_GETSTYLE, 5};
    EXPECT_TRUE(style->HandleMessage(message));
    EXPECT_EQ(message.WParam, static_cast<platform::WPARAM>(code));
    EXPECT_EQ(message.LParam, reinterpret_cast<std::intptr_t>(style));
    EXPECT_EQ(message.Result, 1);
  }
}

TEST_F(StyleMessages, SkinNoticesRebindOrUnbindAndRepaint) {
  sSkinManager::SkinSections().push_back(skintests::Section("TsEdit"));
  sSkinManager::SetSkinLoaded(true);
  auto& style = control->Style<sStyleEdits::TsStyle>();
  style.SetSkinSection("Other");
  EXPECT_EQ(style.SkinIndex(), -1);

  platform::TMessage unloaded{sMessages::SM_SKINREMOVED};
  style.SetSkinSection("TsEdit");
  style.SetRegionStale(false);
  const int invalidates = control->invalidates;
  EXPECT_TRUE(style.HandleMessage(unloaded));
  EXPECT_EQ(style.SkinIndex(), -1);
  EXPECT_TRUE(style.RegionStale());
  EXPECT_EQ(control->invalidates, invalidates + 1);

  platform::TMessage loaded{sMessages::SM_SKINLOADED};
  EXPECT_TRUE(style.HandleMessage(loaded));
  EXPECT_EQ(style.SkinIndex(), 0);
  EXPECT_EQ(control->invalidates, invalidates + 2);
}

TEST_F(StyleMessages, NoticesOfAnotherGroupAreLeftAlone) {
  sStyleEdits::TsStyle style(nullptr);
  style.SetGroupIndex(3);
  platform::TMessage stale{sMessages::SM_REBUILDCACHE};
  EXPECT_FALSE(style.HandleMessage(stale));
  EXPECT_TRUE(style.CacheStale());
  stale.WParam = 3;
  EXPECT_TRUE(style.HandleMessage(stale));
  EXPECT_FALSE(style.CacheStale());
}

TEST_F(StyleMessages, APaintStyleMatchesItsBaseGroupWhateverItPublishes) {
  sStyleUtil::TsPassiveBGStyle style(nullptr);
  style.SetPublishedGroupIndex(6);
  platform::TMessage soft{sMessages::SM_SOFTCORNERS};
  EXPECT_TRUE(style.HandleMessage(soft));
  EXPECT_FALSE(style.SoftControl());
  EXPECT_TRUE(style.CacheStale());
}

TEST_F(StyleMessages, TheFormStyleListensToItsGroupAndTheFrameGroup) {
  sSkinManager::SkinSections().push_back(skintests::Section("Form"));
  sSkinManager::SetSkinLoaded(true);
  sStylePassive::TsPassivePaintStyle style(nullptr);
  style.SetSkinSection("Form");
  style.SetGroupIndex(2);
  platform::TMessage loaded{sMessages::SM_SKINLOADED};
  EXPECT_FALSE(style.HandleKitMessage(loaded));
  EXPECT_EQ(style.SkinIndex(), -1);
  loaded.WParam = sMessages::FrameGroupIndex;
  EXPECT_TRUE(style.HandleKitMessage(loaded));
  EXPECT_EQ(style.SkinIndex(), 0);
  platform::TMessage removed{sMessages::SM_SKINREMOVED, 2};
  EXPECT_TRUE(style.HandleKitMessage(removed));
  EXPECT_EQ(style.SkinIndex(), -1);
}

}  // namespace
