// The gauge's rules: Progress within its range, the percentage, which changes repaint it, and
// how a new gauge is made and bound.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <limits>
#include <optional>
#include <string>

#include "framework/controls/Control.h"
#include "skinengine/controls/sGauge.h"
#include "tests/skinengine/controls/ControlsTestSupport.h"

namespace {

using framework::TObject;
using sGauge::TsGauge;

constexpr std::int32_t Lowest = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t Highest = std::numeric_limits<std::int32_t>::max();

class Gauge : public ::testing::Test, public skintests::FormFixture {
 protected:
  void SetUp() override {
    gauge = Add<TsGauge>(form, 10, 10, 200, 17);
    gauge->OnChange = [this](TObject*) { ++changes; };
    skintests::Painted(*gauge);
    watch.emplace(*gauge, [this] { ++paints; });
  }
  // How often the gauge painted for the change, everything pending painted afterwards.
  int PaintsFor(const std::function<void()>& change) {
    const int before = paints;
    change();
    skintests::Painted(*gauge);
    return paints - before;
  }
  std::string RangeError(const std::function<void()>& change) {
    try {
      change();
    } catch (const framework::EInvalidOperation& e) {
      return e.what();
    }
    return "no error";
  }

  TsGauge* gauge = nullptr;
  int changes = 0;
  int paints = 0;
  std::optional<skintests::PaintWatch> watch;
};

TEST_F(Gauge, ProgressStaysInTheRangeAndRepaintsOnlyForANewPercentage) {
  EXPECT_EQ(gauge->Progress(), 47);
  EXPECT_EQ(gauge->PercentText(), "47%");
  EXPECT_EQ(PaintsFor([&] { gauge->SetProgress(150); }), 1);
  EXPECT_EQ(gauge->Progress(), 100);
  EXPECT_EQ(PaintsFor([&] { gauge->SetProgress(101); }), 0);
  EXPECT_EQ(changes, 1) << "the same clamped value again";
  gauge->SetProgress(-3);
  EXPECT_EQ(gauge->Progress(), 0);
  EXPECT_EQ(changes, 2);

  gauge->SetMaxValue(1000);
  gauge->SetProgress(10);
  EXPECT_EQ(PaintsFor([&] { gauge->SetProgress(11); }), 0) << "1 % both times";
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

  gauge->SetMinValue(Lowest);
  gauge->SetMaxValue(Highest);
  gauge->SetProgress(0);
  EXPECT_EQ(gauge->Percent(), 50);  // 2^31 * 100 / (2^32 - 1)
  gauge->SetProgress(Highest);
  EXPECT_EQ(gauge->Percent(), 100);
}

TEST_F(Gauge, ARangeTurnedUpsideDownIsRefusedAndChangesNothing) {
  EXPECT_EQ(RangeError([&] { gauge->SetMinValue(200); }),
            "Value must be between -2147483647 and 99");
  EXPECT_EQ(RangeError([&] { gauge->SetMaxValue(-5); }), "Value must be between 1 and 2147483647");
  EXPECT_EQ(gauge->MinValue(), 0);
  EXPECT_EQ(gauge->MaxValue(), 100);
  EXPECT_EQ(gauge->Progress(), 47);
  EXPECT_EQ(changes, 0);

  // At the ends of int32 the bounds pass them instead of wrapping round.
  gauge->SetMinValue(Lowest);
  gauge->SetMaxValue(Lowest);
  EXPECT_EQ(RangeError([&] { gauge->SetMinValue(0); }),
            "Value must be between -2147483647 and -2147483649");
  gauge->SetMaxValue(Highest);
  gauge->SetMinValue(Highest);
  EXPECT_EQ(RangeError([&] { gauge->SetMaxValue(0); }),
            "Value must be between 2147483648 and 2147483647");
}

TEST_F(Gauge, EverySetterRepaintsOnceForANewValueAndNotForTheSame) {
  const std::pair<const char*, std::function<void()>> setters[] = {
      {"MinValue", [&] { gauge->SetMinValue(10); }},
      {"MaxValue", [&] { gauge->SetMaxValue(90); }},
      {"Kind", [&] { gauge->SetKind(sGauge::gkPie); }},
      {"ShowText", [&] { gauge->SetShowText(false); }},
      {"ForeAlpha", [&] { gauge->SetForeAlpha(150); }},
      {"Suffix", [&] { gauge->SetSuffix("pct"); }},
      {"BevelWidth", [&] { gauge->SetBevelWidth(3); }},
  };
  for (const auto& [name, set] : setters) {
    EXPECT_EQ(PaintsFor(set), 1) << name;
    EXPECT_EQ(PaintsFor(set), 0) << name << " again";
  }
  EXPECT_EQ(gauge->ForeAlpha(), 100) << "clamped";
  EXPECT_EQ(PaintsFor([&] { gauge->SetForeAlpha(-5); }), 1);
  EXPECT_EQ(gauge->ForeAlpha(), 0);
  EXPECT_EQ(changes, 0) << "a range that moves Progress along fires nothing";
}

TEST_F(Gauge, ANewGaugeIsBoundToItsClassSectionWithTheDesignGradientOnlyAtDesignTime) {
  const TsGauge fresh(form);
  EXPECT_EQ(fresh.sStyle()->SkinSection(), "TsGauge");
  EXPECT_EQ(fresh.sStyle()->Background()->Gradient()->Data(), "");
  form->SetDesigning(true);
  const TsGauge designed(form);
  EXPECT_EQ(designed.sStyle()->Background()->Gradient()->Data(), sGauge::DesignGradient);
}

}  // namespace
