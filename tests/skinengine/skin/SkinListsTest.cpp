// Section, image and pattern lookups over the process-wide lists, with parent fallback.
#include <gtest/gtest.h>

#include "skinengine/skin/sSkinLists.h"
#include "tests/skinengine/skin/SkinDataTestSupport.h"

namespace {

using namespace sSkinManager;
using skintests::Section;

class SkinLists : public ::testing::Test {
 protected:
  void SetUp() override {
    for (auto section :
         {Section("TsPanel"), Section("TsContainer", "TsPanel"),
          Section("TsScrollBox", "tscontainer"), Section("TsEdit"), Section("TsCheckBox", "TsEdit"),
          Section("Self", "SELF"), Section("A", "B"), Section("B", "a"), Section("")})
      SkinSections().push_back(section);
    AddImage("TSPANEL", "BORDERSMASK");
    AddImage("TSCONTAINER", "BORDERSMASK");
    AddImage("TSEDIT", "GLYPHMASK");
    SkinPatterns().push_back({std::make_unique<framework::TJPEGImage>(), "TSPANEL", "IMAGEFILE"});
    SetSkinLoaded(true);
  }

  static void AddImage(const char* section, const char* property) {
    SkinImages().push_back({std::make_unique<framework::TBitmap>(), section, property});
  }

  skintests::SkinStateReset reset;
};

TEST_F(SkinLists, SectionsAreFoundWithoutRegardToCaseFirstMatchFirst) {
  EXPECT_EQ(FindSectionIndex("tsedit"), 3);
  EXPECT_EQ(FindSectionIndex("TSCONTAINER"), 1);
  EXPECT_EQ(FindSectionIndex(""), 8) << "the empty-named section";
  EXPECT_EQ(FindSectionIndex("TsGauge"), -1);
  SkinSections().push_back(Section("TSEDIT"));
  EXPECT_EQ(FindSectionIndex("TsEdit"), 3);
}

TEST_F(SkinLists, NothingIsFoundWhileNoSkinIsLoaded) {
  SetSkinLoaded(false);
  EXPECT_EQ(FindSectionIndex("TsPanel"), -1);
  EXPECT_EQ(FindImageIndex(0, "TsPanel", "BORDERSMASK"), -1);
  EXPECT_EQ(FindPatternIndex(0, "TsPanel", "IMAGEFILE"), -1);
}

TEST_F(SkinLists, ImagesComeFromTheSectionOrUpItsParentChain) {
  EXPECT_EQ(FindImageIndex(1, "TsContainer", "BORDERSMASK"), 1) << "its own";
  EXPECT_EQ(FindImageIndex(2, "TsScrollBox", "BORDERSMASK"), 1) << "the parent's";
  EXPECT_EQ(FindImageIndex(4, "TsCheckBox", "BORDERSMASK"), -1) << "TsEdit has none either";
  EXPECT_EQ(FindImageIndex(4, "TsCheckBox", "GLYPHMASK"), 2);
  EXPECT_EQ(FindImageIndex(2, "TsScrollBox", "BordersMask"), -1) << "property names as stored";
  EXPECT_EQ(FindPatternIndex(2, "TsScrollBox", "IMAGEFILE"), 0) << "two levels up";
  EXPECT_EQ(FindPatternIndex(3, "TsEdit", "IMAGEFILE"), -1);
}

TEST_F(SkinLists, BadArgumentsFindNothing) {
  EXPECT_EQ(FindImageIndex(-1, "TsPanel", "BORDERSMASK"), -1);
  EXPECT_EQ(FindImageIndex(0, "", "BORDERSMASK"), -1);
  EXPECT_EQ(FindImageIndex(99, "TsGauge", "BORDERSMASK"), -1) << "index outside the list";
  EXPECT_EQ(FindImageIndex(99, "TsPanel", "BORDERSMASK"), 0) << "the name alone still matches";
}

TEST_F(SkinLists, ParentCyclesEndTheSearch) {
  EXPECT_EQ(FindImageIndex(5, "Self", "BORDERSMASK"), -1) << "a section naming itself";
  EXPECT_EQ(FindImageIndex(6, "A", "BORDERSMASK"), -1) << "A names B, B names A";
  EXPECT_EQ(FindPatternIndex(7, "B", "IMAGEFILE"), -1);
  AddImage("B", "BORDERSMASK");
  EXPECT_EQ(FindImageIndex(6, "A", "BORDERSMASK"), 3) << "the cycle still reaches B's own";
}

TEST_F(SkinLists, ClearingTheImagesKeepsSectionsAndPatterns) {
  ClearSkinImages();
  EXPECT_TRUE(SkinImages().empty());
  EXPECT_EQ(SkinSections().size(), 9u);
  EXPECT_EQ(FindPatternIndex(0, "TsPanel", "IMAGEFILE"), 0);
}

}  // namespace
