// A button style's masked-border settings: published names, order and defaults, what each
// change reports to the owning style, and which mask BorderMaskOf chooses.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/classes/ClassBuilder.h"
#include "framework/classes/ClassRegistry.h"
#include "framework/description/DescriptionReader.h"
#include "framework/description/DescriptionWriter.h"
#include "resources/Embedded.h"
#include "skinengine/skin/sMaskData.h"
#include "skinengine/style/sStyleActive.h"

namespace {

using framework::TBitmap;
using framework::TClassInfo;
using sStyleActive::BorderMaskOf;
using sStyleActive::TsMaskedBorders;

// A component that publishes the settings, as a button's style tree does.
class THolder : public framework::TComponent {
 public:
  using TComponent::TComponent;
  static const TClassInfo& StaticClassInfo() {
    static const TClassInfo info =
        framework::TClassBuilder<THolder, framework::TComponent>("THolder")
            .Object("MaskedBorders", &THolder::Borders)
            .Build();
    return info;
  }
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  TsMaskedBorders* Borders() const { return borders_.get(); }

 private:
  std::unique_ptr<TsMaskedBorders> borders_ = std::make_unique<TsMaskedBorders>(this);
};

class MaskedBorders : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { resources::RegisterEmbeddedResources(); }
  void SetUp() override {
    sMaskData::LoadBuiltInMasks();
    borders.OnChange = [this](framework::TObject* sender) {
      EXPECT_EQ(sender, &borders);
      ++changes;
    };
  }
  void TearDown() override { sMaskData::FreeBuiltInMasks(); }

  static std::unique_ptr<TBitmap> Picture(int width, int height) {
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetSize(width, height);
    return bitmap;
  }

  TsMaskedBorders borders;
  int changes = 0;
};

TEST_F(MaskedBorders, PublishesItsSettingsInOrderWithTheirDefaults) {
  std::vector<std::string> names;
  for (const framework::TPropInfo& p : TsMaskedBorders::StaticClassInfo().Properties())
    names.push_back(p.Name);
  EXPECT_EQ(names, (std::vector<std::string>{"Mask", "Predefined", "TransparentColor", "Enabled"}));
  EXPECT_TRUE(borders.Mask()->Empty());
  EXPECT_EQ(borders.Predefined(), sStyleActive::pdBorder1);
  EXPECT_EQ(borders.TransparentColor(), 0xFF00FFu);
  EXPECT_TRUE(borders.Enabled());
  EXPECT_EQ(sStyleActive::PredefinedBordersType.IndexOf("pdCustom"), 6);
  EXPECT_EQ(sStyleActive::PredefinedBordersType.IndexOf("PDBORDER6"), 5);
}

TEST_F(MaskedBorders, AStoredValueOutsideTheEnumerationIsRefused) {
  const framework::TPropInfo* p = TsMaskedBorders::StaticClassInfo().FindProperty("Predefined");
  ASSERT_NE(p, nullptr);
  EXPECT_THROW(p->Set(borders, std::int64_t{7}), framework::EConvertError);
  EXPECT_THROW(p->Set(borders, std::int64_t{-1}), framework::EConvertError);
  EXPECT_EQ(borders.Predefined(), sStyleActive::pdBorder1);
}

TEST_F(MaskedBorders, ReadsAndWritesOnlyWhatDiffersFromTheDefaults) {
  framework::TClassRegistry classes;
  THolder holder(nullptr);
  framework::ReadDescription(
      "object Holder: THolder\n"
      "  MaskedBorders.Predefined = pdBorder5\n"
      "  MaskedBorders.TransparentColor = clLime\n"
      "  MaskedBorders.Enabled = False\n"
      "end\n",
      holder, classes);
  EXPECT_EQ(holder.Borders()->Predefined(), sStyleActive::pdBorder5);
  EXPECT_EQ(holder.Borders()->TransparentColor(), 0x00FF00u);
  EXPECT_FALSE(holder.Borders()->Enabled());
  EXPECT_EQ(holder.Borders()->GetOwner(), &holder);

  holder.Borders()->SetPredefined(sStyleActive::pdBorder1);
  holder.Borders()->SetEnabled(true);
  const std::string text = framework::WriteDescription(holder);
  EXPECT_EQ(text.find("Predefined"), std::string::npos) << text;
  EXPECT_EQ(text.find("Enabled"), std::string::npos) << text;
  EXPECT_NE(text.find("MaskedBorders.TransparentColor = clLime"), std::string::npos) << text;
}

TEST_F(MaskedBorders, SettingAMaskCopiesItAndSwitchesToCustom) {
  const auto picture = Picture(18, 12);
  picture->Data().Fill(0x123456);
  borders.SetMask(picture.get());
  EXPECT_EQ(borders.Predefined(), sStyleActive::pdCustom);
  picture->Data().Fill(0);
  EXPECT_EQ(borders.Mask()->Data().Pixel(3, 3), 0x123456u) << "a copy, not a reference";
  EXPECT_GE(changes, 1);

  borders.SetMask(nullptr);
  EXPECT_TRUE(borders.Mask()->Empty());
  EXPECT_EQ(borders.Predefined(), sStyleActive::pdCustom);
}

TEST_F(MaskedBorders, OnlyRealChangesAreReported) {
  borders.SetPredefined(sStyleActive::pdBorder1);
  borders.SetTransparentColor(0xFF00FF);
  borders.SetEnabled(true);
  EXPECT_EQ(changes, 0);
  borders.SetPredefined(sStyleActive::pdBorder3);
  borders.SetTransparentColor(0);
  borders.SetEnabled(false);
  EXPECT_EQ(changes, 3);
  borders.Mask()->SetSize(9, 6);  // drawing into the mask repaints too
  EXPECT_EQ(changes, 4);
}

TEST_F(MaskedBorders, BorderMaskOfTakesTheChosenBuiltInMask) {
  for (int i = 0; i < sMaskData::BuiltInMaskCount; ++i) {
    borders.SetPredefined(static_cast<sStyleActive::TsPredefinedBorders>(i));
    EXPECT_EQ(&BorderMaskOf(borders), &sMaskData::BuiltInMask(i)) << i;
  }
  EXPECT_EQ(BorderMaskOf(borders).Width(), 450) << "BORD6";
}

TEST_F(MaskedBorders, BorderMaskOfTakesTheOwnMaskUnlessItIsEmpty) {
  borders.SetPredefined(sStyleActive::pdCustom);
  EXPECT_EQ(&BorderMaskOf(borders), &sMaskData::BuiltInMask(0)) << "empty custom: BORD1";
  EXPECT_EQ(BorderMaskOf(borders).Width(), 90);

  const auto picture = Picture(27, 18);
  borders.SetMask(picture.get());
  EXPECT_EQ(&BorderMaskOf(borders), &borders.Mask()->Data());
  borders.SetPredefined(sStyleActive::pdBorder2);
  EXPECT_EQ(&BorderMaskOf(borders), &sMaskData::BuiltInMask(1)) << "the mask is kept but unused";
}

}  // namespace
