// The plain gauge: the range rules of Progress, the percentage, and painting at once.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "controls/sGauge.h"
#include "framework/controls/Control.h"
#include "tests/skinengine/ControlsTestSupport.h"

namespace {

using framework::TObject;
using sGauge::TsGauge;

class Gauge : public ::testing::Test, public skintests::FormFixture {
 protected:
  void SetUp() override {
    gauge = Add<TsGauge>(form, 10, 10, 200, 17);
    gauge->OnChange = [this](TObject*) { ++changes; };
  }

  TsGauge* gauge = nullptr;
  int changes = 0;
};

TEST_F(Gauge, ProgressStaysInTheRangeAndAnUnchangedValueFiresNothing) {
  EXPECT_EQ(gauge->Progress(), 47);
  EXPECT_EQ(gauge->PercentText(), "47%");
  gauge->SetProgress(150);
  EXPECT_EQ(gauge->Progress(), 100);
  gauge->SetProgress(101);
  EXPECT_EQ(changes, 1) << "the same clamped value again";
  gauge->SetProgress(-3);
  EXPECT_EQ(gauge->Progress(), 0);
  EXPECT_EQ(changes, 2);

  gauge->SetMaxValue(1000);
  gauge->SetProgress(10);
  gauge->SetProgress(11);
  EXPECT_EQ(changes, 4) << "every change of Progress, also within one percent";
  EXPECT_EQ(gauge->Percent(), 1);
}

TEST_F(Gauge, PercentIsTruncatedAndSafeForEmptyAndHugeRanges) {
  gauge->SetMaxValue(3);
  gauge->SetProgress(2);
  EXPECT_EQ(gauge->PercentText(), "66%");
  gauge->SetSuffix(" pct");
  EXPECT_EQ(gauge->PercentText(), "66 pct");

  gauge->SetMinValue(3);
  EXPECT_EQ(gauge->Progress(), 3) << "raised with the minimum";
  EXPECT_EQ(gauge->Percent(), 0) << "an empty range divides nothing";

  gauge->SetMinValue(std::numeric_limits<std::int32_t>::min());
  gauge->SetMaxValue(std::numeric_limits<std::int32_t>::max());
  gauge->SetProgress(0);
  EXPECT_EQ(gauge->Percent(), 50);
  gauge->SetProgress(std::numeric_limits<std::int32_t>::max());
  EXPECT_EQ(gauge->Percent(), 100);
}

TEST_F(Gauge, ARangeTurnedUpsideDownIsRefusedAndChangesNothing) {
  try {
    gauge->SetMinValue(200);
    FAIL() << "no error";
  } catch (const framework::EInvalidOperation& e) {
    EXPECT_STREQ(e.what(), "Value must be between -2147483647 and 99");
  }
  try {
    gauge->SetMaxValue(-5);
    FAIL() << "no error";
  } catch (const framework::EInvalidOperation& e) {
    EXPECT_STREQ(e.what(), "Value must be between 1 and 2147483647");
  }
  EXPECT_EQ(gauge->MinValue(), 0);
  EXPECT_EQ(gauge->MaxValue(), 100);
  EXPECT_EQ(gauge->Progress(), 47);
  EXPECT_EQ(changes, 0);
}

TEST_F(Gauge, EveryNewPercentageIsOnScreenWithoutRunningTheMessageLoop) {
  gauge->SetShowText(false);
  gauge->SetProgress(0);
  const auto bar = platform::clHighlight;
  EXPECT_EQ(skintests::CountColor(skintests::Painted(*gauge), {1, 1, 199, 16}, bar), 0);
  for (int progress = 1; progress <= 100; ++progress) {
    gauge->SetProgress(progress);
    const platform::Bitmap shown = platform::WindowSnapshot(gauge->Handle());
    const int barWidth = (gauge->Width() - 2) * progress / 100;
    ASSERT_EQ(skintests::CountColor(shown, {1, 8, 1 + barWidth, 9}, bar), barWidth)
        << "at " << progress;
    ASSERT_EQ(skintests::CountColor(shown, {1 + barWidth, 8, gauge->Width() - 1, 9}, bar), 0)
        << "at " << progress;
  }
}

TEST_F(Gauge, TheTextIsDrawnOnlyWhenShown) {
  const platform::TRect middle{60, 3, 140, 14};
  EXPECT_LT(skintests::Darkest(skintests::Painted(*gauge), middle), 0x40);
  gauge->SetShowText(false);
  gauge->SetProgress(0);
  EXPECT_GT(skintests::Darkest(skintests::Painted(*gauge), middle), 0x80);
}

}  // namespace
