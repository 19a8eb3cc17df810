// Stored descriptions that name the skin engine's controls.
#include <gtest/gtest.h>

#include "framework/classes/ClassRegistry.h"
#include "framework/description/DescriptionReader.h"
#include "framework/description/DescriptionWriter.h"
#include "framework/forms/FrameworkClasses.h"
#include "skinengine/controls/sCheckbox.h"
#include "skinengine/controls/sControlClasses.h"
#include "skinengine/controls/sCustomButton.h"
#include "skinengine/controls/sEdit.h"
#include "skinengine/controls/sGauge.h"
#include "tests/skinengine/controls/ControlsTestSupport.h"
#include "tests/skinengine/skin/SkinClasses.h"

namespace {

using framework::TComponent;

constexpr const char* Description = R"(object Form1: TForm
  object EdM: TsEdit
    Left = 120
    Top = 24
    Width = 121
    Height = 21
    TabOrder = 0
  end
  object SGInput: TStringGrid
    ColCount = 4
    RowCount = 4
  end
  object Bar: TsGauge
    Left = 280
    Top = 472
    Width = 505
    Height = 17
    Progress = 0
  end
  object CheckBox: TsCheckBox
    Left = 8
    Top = 192
    Width = 100
    Caption = 'ClearCanvas'
    Checked = True
    Alignment = taLeftJustify
    TabOrder = 4
  end
  object Gambar: TsSpeedButton
    Left = 184
    Top = 464
    Width = 84
    Height = 22
    Caption = 'Gambar Kurva'
    Spacing = 3
    Layout = blGlyphLeft
  end
end
)";

class ControlClasses : public ::testing::Test, public skintests::FormFixture {
 protected:
  template <class T>
  T* Find(std::string_view name) {
    return dynamic_cast<T*>(form->FindComponent(name));
  }
};

TEST_F(ControlClasses, ADescriptionCreatesEveryControlWithItsStoredValues) {
  framework::ReadDescription(Description, *form, skintests::SkinClasses());
  auto* edit = Find<sEdit::TsEdit>("EdM");
  auto* gauge = Find<sGauge::TsGauge>("Bar");
  auto* box = Find<sCheckbox::TsCheckBox>("CheckBox");
  auto* button = Find<sCustomButton::TsSpeedButton>("Gambar");
  ASSERT_TRUE(edit && gauge && box && button);
  EXPECT_EQ(edit->Width(), 121);
  EXPECT_EQ(gauge->Progress(), 0) << "stored explicitly against the default 47";
  EXPECT_TRUE(box->Checked());
  EXPECT_EQ(box->Height(), 18) << "the default height";
  EXPECT_EQ(button->Caption(), "Gambar Kurva");
  EXPECT_EQ(button->Spacing(), 3);

  form->SetName("Form1");
  const std::string written = framework::WriteDescription(*form);
  EXPECT_NE(written.find("Progress = 0"), std::string::npos) << written;
  EXPECT_NE(written.find("Spacing = 3"), std::string::npos);
}

TEST_F(ControlClasses, AStoredGaugeRangeIsCheckedOnlyOutsideLoading) {
  framework::ReadDescription(R"(object Form1: TForm
  object Bar: TsGauge
    MinValue = 200
    MaxValue = 100
    Progress = 150
  end
end)",
                             *form, skintests::SkinClasses());
  auto* gauge = Find<sGauge::TsGauge>("Bar");
  EXPECT_EQ(gauge->MinValue(), 200);
  EXPECT_EQ(gauge->MaxValue(), 100);
  EXPECT_GE(gauge->Percent(), 0);
  EXPECT_LE(gauge->Percent(), 100);
  skintests::Painted(*gauge);
  EXPECT_THROW(gauge->SetMinValue(300), framework::EInvalidOperation);
}

}  // namespace
