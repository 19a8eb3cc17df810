// The main window carries its skin: reading its description activates the stored skin.
#include "skinengine/skin/sSkinLists.h"
#include "skinengine/skin/sSkinManager.h"
#include "tests/app/MainWindowSupport.h"

namespace Bezier::testing {
namespace {

TEST_F(MainWindow, ReadingTheWindowActivatesItsStoredSkin) {
  ASSERT_NE(form->sSkinManager1, nullptr);
  EXPECT_EQ(form->sSkinManager1->SkinName(), "Velora2 (internal)");
  EXPECT_TRUE(sSkinManager::SkinLoaded());
  EXPECT_EQ(sSkinManager::SkinSections().size(), 81u);
  EXPECT_EQ(sSkinManager::SkinImages().size(), 69u);
  EXPECT_EQ(sSkinManager::SkinPatterns().size(), 0u);
  EXPECT_EQ(sSkinManager::FindSectionIndex("Form"), 79);
  EXPECT_EQ(sSkinManager::FindSectionIndex(""), 80);
  EXPECT_EQ(sSkinManager::FindSectionIndex("tsedit"), sSkinManager::FindSectionIndex("TsEdit"));

  const int gauge = sSkinManager::FindSectionIndex("TsGauge");
  const int mask = sSkinManager::FindImageIndex(gauge, "TsGauge", "BORDERSMASK");
  ASSERT_GE(mask, 0);
  EXPECT_EQ(sSkinManager::SkinImages()[mask].Bitmap->Width(), 45);
  const int checkBox = sSkinManager::FindSectionIndex("TsCheckBox");
  EXPECT_EQ(sSkinManager::FindImageIndex(checkBox, "TsCheckBox", "BORDERSMASK"), -1);
}

}  // namespace
}  // namespace Bezier::testing
