#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "WindowTestSupport.h"
#include "platform/headless/Headless.h"
#include "platform/window/Clipboard.h"
#include "platform/window/Dialogs.h"
#include "platform/window/Input.h"

namespace platform {
namespace {

TEST(DialogTest, MessageBoxesAreConfirmedAndRecorded) {
  HeadlessSession session;
  EXPECT_EQ(MessageBox({NullWindow, MessageBoxKind::Error, "Error", "Cannot create file"}), IDOK);
  EXPECT_EQ(MessageBox({NullWindow, MessageBoxKind::Custom, "Bezier", "Hi"}), IDOK);
  const auto& asked = session.Backend().Dialogs();
  ASSERT_EQ(asked.size(), 2u);
  EXPECT_TRUE(asked[0].IsMessageBox);
  EXPECT_EQ(asked[0].Box.Kind, MessageBoxKind::Error);
  EXPECT_EQ(asked[0].Box.Text, "Cannot create file");
  EXPECT_EQ(asked[1].Box.Kind, MessageBoxKind::Custom);
}

TEST(DialogTest, FileDialogsTakeScriptedAnswersAndAddTheDefaultExtension) {
  HeadlessSession session;
  session.Backend().AnswerFileDialog("/tmp/points", 2);
  session.Backend().AnswerFileDialog(std::nullopt);
  FileDialogParams params;
  params.Filters = {{"Text files (*.txt)", "*.txt"}, {"Backup (*.bak)", "*.bak"}};
  params.FilterIndex = 2;
  params.DefaultExt = "txt";
  params.InitialDir = "/tmp";
  const auto saved = GetSaveFileName(params);
  ASSERT_TRUE(saved.has_value());
  EXPECT_EQ(saved->FileName, "/tmp/points.txt");
  EXPECT_EQ(saved->FilterIndex, 2);
  EXPECT_FALSE(GetOpenFileName(params).has_value());
  EXPECT_FALSE(GetOpenFileName(params).has_value());  // nothing scripted: cancelled

  const auto& asked = session.Backend().Dialogs();
  ASSERT_EQ(asked.size(), 3u);
  EXPECT_FALSE(asked[0].IsMessageBox);
  EXPECT_EQ(asked[0].File.Kind, FileDialogKind::Save);
  EXPECT_EQ(asked[1].File.Kind, FileDialogKind::Open);
  EXPECT_EQ(asked[0].File.Filters.size(), 2u);
  EXPECT_EQ(asked[0].File.FilterIndex, 2);
  EXPECT_EQ(asked[0].File.InitialDir, "/tmp");
}

// Both kinds of dialog take the mouse and the keyboard from our windows while they are open:
// nothing typed reaches the window that had the focus, and it is active again afterwards.
TEST(DialogTest, AnOpenDialogHasTheMouseAndTheKeyboard) {
  const std::function<void()> dialogs[] = {
      [] {
        MessageBox({NullWindow, MessageBoxKind::Error, "Error", "Nilai Maksimal M < 10"});
      },
      [] { GetOpenFileName({}); },
  };
  testing::MessageLog log;  // outlives the windows, which the session destroys
  HeadlessSession session;
  const HWND top = testing::MakeTopLevel(log.Proc());
  const HWND field = testing::MakeChild(top, {10, 10, 110, 30}, log.Proc());
  for (const auto& open : dialogs) {
    SetFocus(field);
    session.MoveMouse(ClientToScreen(field, {5, 5}));
    log.Clear();
    bool looked = false;
    session.Backend().WhileNextDialogOpen([&] {
      looked = true;
      EXPECT_EQ(GetActiveWindow(), NullWindow);
      EXPECT_EQ(GetFocus(), NullWindow);
      EXPECT_EQ(log.Count(WM_MOUSELEAVE, field), 1);
      session.TypeText("5");
      session.PressKey(VK_RETURN);
    });
    open();
    ASSERT_TRUE(looked);
    EXPECT_EQ(log.Count(WM_CHAR), 0);
    EXPECT_EQ(log.Count(WM_KEYDOWN), 0);
    EXPECT_EQ(GetActiveWindow(), top);
    ASSERT_NE(log.Last(WM_ACTIVATE), nullptr);
    EXPECT_EQ(LOWORD(log.Last(WM_ACTIVATE)->WParam), static_cast<int>(WA_ACTIVE));
  }
}

// Without a folder of its own a file dialog opens where the last file was chosen, in
// either kind of dialog, and in the working directory before any; a name it is given is
// offered in that folder.
TEST(DialogTest, FileDialogsOpenWhereTheLastFileWasChosen) {
  HeadlessSession session;
  HeadlessBackend& backend = session.Backend();
  const std::string working = std::filesystem::current_path().string();
  struct Step {
    FileDialogKind Kind;
    std::string InitialDir;
    std::string FileName;
    std::optional<std::string> Answer;
    std::string AskedDir;
    std::string AskedName;
  };
  const Step steps[] = {
      {FileDialogKind::Open, "", "", "/data/curves/a.txt", working, ""},
      {FileDialogKind::Save, "", "/data/curves/a.txt", std::nullopt, "/data/curves", "a.txt"},
      {FileDialogKind::Save, "", "", "/home/me/b.txt", "/data/curves", ""},  // cancel kept it
      {FileDialogKind::Open, "", "", std::nullopt, "/home/me", ""},
      {FileDialogKind::Open, "/tmp", "c.txt", std::nullopt, "/tmp", "c.txt"},  // its own
  };
  for (const Step& step : steps) {
    backend.AnswerFileDialog(step.Answer);
    FileDialogParams params;
    params.InitialDir = step.InitialDir;
    params.FileName = step.FileName;
    if (step.Kind == FileDialogKind::Open) {
      GetOpenFileName(params);
    } else {
      GetSaveFileName(params);
    }
    EXPECT_EQ(backend.Dialogs().back().File.InitialDir, step.AskedDir);
    EXPECT_EQ(backend.Dialogs().back().File.FileName, step.AskedName);
  }
}

TEST(ClipboardTest, TextRoundTripsThroughTheBackEnd) {
  HeadlessSession session;
  EXPECT_EQ(GetClipboardText(), "");
  SetClipboardText("Titik \xE2\x80\x94 Kontrol");
  EXPECT_EQ(GetClipboardText(), "Titik \xE2\x80\x94 Kontrol");
}

}  // namespace
}  // namespace platform
