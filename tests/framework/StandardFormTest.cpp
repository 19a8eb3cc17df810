#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/classes/ClassBuilder.h"
#include "framework/controls/Edit.h"
#include "framework/controls/GroupBox.h"
#include "framework/controls/Image.h"
#include "framework/controls/Label.h"
#include "framework/controls/ListBox.h"
#include "framework/controls/PaintBox.h"
#include "framework/controls/Panel.h"
#include "framework/controls/StringGrid.h"
#include "platform/window/Input.h"
#include "platform/window/Messages.h"
#include "platform/window/Paint.h"
#include "tests/framework/ControlTestSupport.h"

namespace framework {
namespace {

// The shape of the tool's main window, with one of every standard control.
constexpr const char* MainFormText = R"(object MainForm: TMainForm
  Left = 100
  Top = 100
  Width = 800
  Height = 520
  object Gb: TGroupBox
    Left = 8
    Top = 8
    Width = 265
    Height = 65
    Caption = 'Jumlah Kurva'
    TabOrder = 0
    object Jumlahkurva: TLabel
      Left = 8
      Top = 24
      Width = 99
      Height = 13
      Caption = 'Nilai &m (1 < m < 10 :) '
      FocusControl = EdM
    end
    object EdM: TEdit
      Left = 120
      Top = 24
      Width = 121
      Height = 21
      MaxLength = 1
      TabOrder = 0
      OnExit = EdMExit
    end
  end
  object GroupBox: TGroupBox
    Left = 8
    Top = 96
    Width = 265
    Height = 65
    Caption = 'Jumlah Kontrol Point'
    TabOrder = 1
    object EdN: TEdit
      Left = 120
      Top = 16
      Width = 121
      Height = 21
      CharCase = ecUpperCase
      TabOrder = 0
      OnChange = EdNChange
    end
  end
  object SGInput: TStringGrid
    Left = 8
    Top = 216
    Width = 265
    Height = 241
    ColCount = 4
    RowCount = 4
    TabOrder = 2
  end
  object Panel: TPanel
    Left = 280
    Top = 8
    Width = 505
    Height = 457
    BevelInner = bvLowered
    BevelWidth = 2
    TabOrder = 3
    object PaintBox: TPaintBox
      Left = 4
      Top = 4
      Width = 497
      Height = 449
      Align = alClient
      Color = clBtnFace
      OnPaint = PaintBoxPaint
    end
    object Image: TImage
      Left = 4
      Top = 4
      Width = 497
      Height = 449
      Stretch = True
    end
    object ListGrid: TListBox
      Left = 0
      Top = 0
      Width = 505
      Height = 457
      Color = clBtnFace
      Items.Strings = (
        'first'
        'second')
      Visible = False
    end
  end
end
)";

class TMainForm : public TForm {
 public:
  explicit TMainForm(TComponent* owner) : TForm(owner) {
    LoadDescription(MainFormText, testing::FrameworkClasses());
  }

  static const TClassInfo& StaticClassInfo() {
    using F = TMainForm;
    static const TClassInfo info = TClassBuilder<F, TForm>("TMainForm")
                                       .Field("Jumlahkurva", &F::Jumlahkurva)
                                       .Field("EdM", &F::EdM)
                                       .Field("EdN", &F::EdN)
                                       .Field("SGInput", &F::SGInput)
                                       .Field("Panel", &F::Panel)
                                       .Field("PaintBox", &F::PaintBox)
                                       .Field("Image", &F::Image)
                                       .Field("ListGrid", &F::ListGrid)
                                       .Method("EdMExit", &F::EdMExit)
                                       .Method("EdNChange", &F::EdNChange)
                                       .Method("PaintBoxPaint", &F::PaintBoxPaint)
                                       .Build();
    return info;
  }
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  void EdMExit(TObject*) { log.push_back("exit m=" + EdM->Text()); }
  void EdNChange(TObject*) { log.push_back("n=" + EdN->Text()); }
  void PaintBoxPaint(TObject*) { ++paints; }

  TLabel* Jumlahkurva = nullptr;
  TEdit* EdM = nullptr;
  TEdit* EdN = nullptr;
  TStringGrid* SGInput = nullptr;
  TPanel* Panel = nullptr;
  TPaintBox* PaintBox = nullptr;
  TImage* Image = nullptr;
  TListBox* ListGrid = nullptr;
  std::vector<std::string> log;
  int paints = 0;
};

TEST(StandardForm, ADescribedFormTakesClicksAndTyping) {
  platform::HeadlessSession session;
  TApplication app;
  auto* form = app.CreateForm<TMainForm>();
  form->ShowForm();
  ASSERT_NE(form->ListGrid, nullptr);
  EXPECT_FALSE(form->ListGrid->Visible());
  EXPECT_EQ(form->ListGrid->Items()->Count(), 2);
  EXPECT_EQ(form->PaintBox->BoundsRect(), (platform::TRect{4, 4, 501, 453}));
  platform::UpdateWindow(form->Handle());
  EXPECT_GT(form->paints, 0);
  EXPECT_EQ(form->EdM->Height(), 21);

  session.Click(form->EdM->ClientToScreen({5, 5}));
  ASSERT_TRUE(form->EdM->Focused());
  session.TypeText("42");
  EXPECT_EQ(form->EdM->Text(), "4") << "MaxLength";
  session.PressKey(platform::VK_TAB);
  EXPECT_TRUE(form->EdN->Focused());
  session.TypeText("ab");

  form->SGInput->SetCells(1, 1, "x");
  session.Click(form->SGInput->ClientToScreen({5, 5}));
  EXPECT_TRUE(form->SGInput->Focused());

  platform::InputKey(platform::VK_MENU, true);
  session.PressKey('M');
  platform::InputKey(platform::VK_MENU, false);
  EXPECT_TRUE(form->EdM->Focused()) << "Alt+M through the label";
  EXPECT_EQ(form->EdM->SelText(), "4") << "entered by keyboard: AutoSelect";
  EXPECT_EQ(form->log, (std::vector<std::string>{"exit m=4", "n=A", "n=AB"}));
}

}  // namespace
}  // namespace framework
