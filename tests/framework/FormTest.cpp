#include <gtest/gtest.h>

#include <type_traits>

#include "framework/classes/ClassBuilder.h"
#include "framework/classes/ClassRegistry.h"
#include "framework/description/DescriptionWriter.h"
#include "platform/window/Messages.h"
#include "platform/window/Windows.h"
#include "tests/framework/ControlTestSupport.h"
#include "tests/framework/Thrown.h"

namespace framework {
namespace {

using testing::Log;
using testing::TProbeButton;
using testing::TProbeEdit;
using testing::TProbePanel;

constexpr char StoredEditName[] = "TStoredEdit";
constexpr char StoredPanelName[] = "TStoredPanel";
constexpr char StoredButtonName[] = "TStoredButton";

// Stored descriptions name these; a button stores its caption too.
template <class Probe, class Base, const char* Name>
class TStored : public Probe {
 public:
  using Probe::Probe;
  static const TClassInfo& StaticClassInfo() {
    static const TClassInfo info = [] {
      TClassBuilder<TStored, Base> builder(Name);
      if constexpr (std::is_same_v<Base, TGraphicControl>)
        builder.String("Caption", &TStored::Caption, &TStored::SetCaption);
      return builder.Build();
    }();
    return info;
  }
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
};

using TStoredEdit = TStored<TProbeEdit, TWinControl, StoredEditName>;
using TStoredPanel = TStored<TProbePanel, TWinControl, StoredPanelName>;
using TStoredButton = TStored<TProbeButton, TGraphicControl, StoredButtonName>;

constexpr const char* CurveFormText = R"(object CurveForm: TCurveForm
  Left = 272
  Top = 108
  BorderIcons = []
  BorderStyle = bsSingle
  Caption = 'Bezier'
  ClientHeight = 495
  ClientWidth = 789
  Color = clBtnFace
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = [fsBold]
  ActiveControl = EdN
  OnCreate = FormCreate
  object Gb: TStoredPanel
    Left = 8
    Top = 8
    Width = 265
    Height = 73
    TabOrder = 1
    object EdM: TStoredEdit
      Left = 120
      Top = 24
      Width = 121
      Height = 21
      OnExit = EdMExit
    end
  end
  object EdN: TStoredEdit
    Left = 8
    Top = 100
    Width = 121
    Height = 21
    TabOrder = 0
  end
  object Gambar: TStoredButton
    Left = 184
    Top = 464
    Width = 84
    Height = 22
    Caption = 'Gambar Kurva'
    OnClick = GambarClick
  end
end
)";

class TCurveForm : public TForm {
 public:
  explicit TCurveForm(TComponent* owner, const char* text = CurveFormText) : TForm(owner) {
    LoadDescription(text, Classes());
  }

  static const TClassInfo& StaticClassInfo() {
    using F = TCurveForm;
    static const TClassInfo info = TClassBuilder<F, TForm>("TCurveForm")
                                       .Field("Gb", &F::Gb)
                                       .Field("EdM", &F::EdM)
                                       .Field("EdN", &F::EdN)
                                       .Field("Gambar", &F::Gambar)
                                       .Method("FormCreate", &F::FormCreate)
                                       .Method("EdMExit", &F::EdMExit)
                                       .Method("GambarClick", &F::GambarClick)
                                       .Build();
    return info;
  }
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  static const TClassRegistry& Classes() {
    static const TClassRegistry registry = [] {
      TClassRegistry r;
      r.Register(TStoredEdit::StaticClassInfo());
      r.Register(TStoredPanel::StaticClassInfo());
      r.Register(TStoredButton::StaticClassInfo());
      return r;
    }();
    return registry;
  }

  void FormCreate(TObject*) {
    log.push_back("create " + std::string(EdM && Gambar && !ComponentState().Contains(csLoading)
                                              ? "after loading"
                                              : "too early"));
  }
  void EdMExit(TObject*) { log.push_back("EdMExit"); }
  void GambarClick(TObject*) {
    log.push_back("click");
    if (EdN->Text().empty()) throw EConvertError("'' is not a valid integer value");
    log.push_back("drawn");
  }

  TStoredPanel* Gb = nullptr;
  TStoredEdit* EdM = nullptr;
  TStoredEdit* EdN = nullptr;
  TStoredButton* Gambar = nullptr;
  Log log;
};

class Forms : public ::testing::Test {
 protected:
  platform::HeadlessSession session;
  TApplication app;
};

TEST_F(Forms, AFormIsBuiltFromItsDescriptionAndOnCreateRunsAfterLoading) {
  auto* form = app.CreateForm<TCurveForm>();
  EXPECT_EQ(form->log, (Log{"create after loading"}));
  EXPECT_EQ(app.MainForm(), form);
  EXPECT_EQ(form->Caption(), "Bezier");
  EXPECT_EQ(platform::GetWindowText(form->Handle()), "Bezier");
  EXPECT_EQ(form->Left(), 272);
  EXPECT_EQ(form->ClientWidth(), 789) << "the client size is kept whatever the frame";
  EXPECT_EQ(form->ClientHeight(), 495);
  EXPECT_EQ(form->EdM->Parent(), form->Gb);
  EXPECT_EQ(form->EdM->BoundsRect(), platform::TRect::FromBounds(120, 24, 121, 21));
  EXPECT_TRUE(form->Font()->Style().Contains(fsBold));
  EXPECT_TRUE(form->EdM->Font()->Style().Contains(fsBold)) << "parent font";
  EXPECT_EQ(form->Gambar->Caption(), "Gambar Kurva");

  const std::uint32_t style = platform::GetWindowStyle(form->Handle());
  EXPECT_EQ(style & platform::WS_THICKFRAME, 0u) << "bsSingle cannot be resized";
  EXPECT_EQ(style & (platform::WS_SYSMENU | platform::WS_MINIMIZEBOX | platform::WS_MAXIMIZEBOX),
            0u)
      << "no border icons of the platform's own";
  EXPECT_NE(style & platform::WS_CAPTION, 0u);
}

TEST_F(Forms, TheStoredActiveControlAndTabOrderApplyWhenShown) {
  auto* form = app.CreateForm<TCurveForm>();
  form->ShowForm();
  EXPECT_TRUE(form->EdN->Focused());
  session.PressKey(platform::VK_TAB);
  EXPECT_TRUE(form->EdM->Focused()) << "Gb, holding EdM, comes after EdN";
  session.PressKey(platform::VK_TAB);
  EXPECT_EQ(form->log.back(), "EdMExit");
}

TEST_F(Forms, TheApplicationRunsUntilTerminateAndSurvivesAFailingHandler) {
  auto* form = app.CreateForm<TCurveForm>();
  EXPECT_EQ(app.Title(), "framework_tests");
  auto clickGambar = [&] {
    session.Click(form->Gambar->ClientToScreen({5, 5}));
    session.Advance(1000);
  };
  session.Backend().ScheduleStep(clickGambar);
  session.Backend().ScheduleStep([&] {
    form->EdN->SetText("3");
    clickGambar();
  });
  session.Backend().ScheduleStep([&] { form->Close(); });
  app.Run();

  EXPECT_TRUE(app.Terminated());
  EXPECT_EQ(form->log, (Log{"create after loading", "click", "click", "drawn"}));
  const auto& dialogs = session.Backend().Dialogs();
  ASSERT_EQ(dialogs.size(), 1u);
  EXPECT_EQ(dialogs[0].Box.Text, "'' is not a valid integer value");
  EXPECT_EQ(dialogs[0].Box.Caption, "framework_tests");
  EXPECT_EQ(dialogs[0].Box.Owner, form->Handle());
}

TEST_F(Forms, AnExceptionInOnCreateIsShownAndTheFormStillExists) {
  constexpr const char* text = R"(object CurveForm: TCurveForm
  OnCreate = GambarClick
  object EdN: TStoredEdit
  end
end
)";
  auto* form = app.CreateForm<TCurveForm>(text);
  ASSERT_EQ(session.Backend().Dialogs().size(), 1u);
  EXPECT_EQ(form->log, (Log{"click"}));
}

TEST_F(Forms, DescriptionErrorsNameTheLineAndLeaveNoForm) {
  constexpr const char* text = R"(object CurveForm: TCurveForm
  BorderStyle = bsRound
end
)";
  const std::string message =
      testing::ThrownMessage<EReadError>([&] { app.CreateForm<TCurveForm>(text); });
  EXPECT_NE(message.find("2"), std::string::npos) << message;
  EXPECT_EQ(app.ComponentCount(), 0);
}

TEST_F(Forms, PositionAndWindowStateApplyWhenTheFormIsShown) {
  auto* form = app.CreateForm<TForm>();
  form->SetBounds(0, 0, 200, 100);
  form->SetPosition(poScreenCenter);
  form->ShowForm();
  EXPECT_EQ(form->Left(), (1280 - 200) / 2);
  EXPECT_EQ(form->Top(), (1024 - 100) / 2);
  form->SetWindowState(wsMaximized);
  EXPECT_EQ(platform::GetWindowState(form->Handle()), platform::WindowState::Maximized);
  platform::ShowWindow(form->Handle(), platform::ShowCommand::Restore);
  EXPECT_EQ(form->WindowState(), wsNormal) << "follows the platform's own changes";
}

TEST_F(Forms, ClientSizeFollowsBorderChangesAndTheFormWritesBackItsDescription) {
  auto* form = app.CreateForm<TCurveForm>();
  form->SetBorderStyle(bsSizeable);
  EXPECT_EQ(form->ClientWidth(), 789);
  EXPECT_NE(platform::GetWindowStyle(form->Handle()) & platform::WS_THICKFRAME, 0u);

  const std::string written = WriteDescription(*form);
  for (const char* stored : {"BorderIcons = []", "OnCreate = FormCreate", "OnClick = GambarClick"})
    EXPECT_NE(written.find(stored), std::string::npos) << stored << " in\n" << written;
  EXPECT_EQ(written.find("BorderStyle"), std::string::npos) << "bsSizeable is the default";
}

}  // namespace
}  // namespace framework
