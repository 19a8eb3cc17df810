#include <gtest/gtest.h>

#include "framework/forms/Application.h"
#include "framework/forms/FileDialogs.h"
#include "framework/forms/MessageBoxes.h"
#include "framework/forms/Timer.h"
#include "platform/headless/Headless.h"

namespace framework {
namespace {

using Filters = std::vector<std::pair<std::string, std::string>>;

TEST(DialogFilter, SplitsPairsAndDropsADescriptionWithoutPattern) {
  EXPECT_EQ(ParseFilter("*.txt|*.txt|*.bak|*.BAK"),
            (Filters{{"*.txt", "*.txt"}, {"*.bak", "*.BAK"}}));
  EXPECT_EQ(ParseFilter("Text|*.txt|Odd"), (Filters{{"Text", "*.txt"}}));
  EXPECT_EQ(ParseFilter("|"), (Filters{{"", ""}}));
  EXPECT_TRUE(ParseFilter("").empty());
}

class Dialogs : public ::testing::Test {
 protected:
  platform::HeadlessSession session;
  TApplication app;
};

TEST_F(Dialogs, ExecuteAsksThePlatformAndKeepsTheAnswer) {
  TSaveDialog save(&app);
  save.SetFilter("*.txt|*.txt");
  save.SetDefaultExt("txt");
  save.SetFileName("points");
  session.Backend().AnswerFileDialog("/tmp/curve", 1);
  session.Backend().AnswerFileDialog(std::nullopt);
  EXPECT_TRUE(save.Execute());
  EXPECT_EQ(save.FileName(), "/tmp/curve.txt");
  EXPECT_FALSE(save.Execute());
  EXPECT_EQ(save.FileName(), "/tmp/curve.txt") << "a cancelled dialog changes nothing";

  const auto& asked = session.Backend().Dialogs();
  ASSERT_EQ(asked.size(), 2u);
  EXPECT_FALSE(asked[0].IsMessageBox);
  EXPECT_EQ(asked[0].File.Kind, platform::FileDialogKind::Save);
  EXPECT_EQ(asked[0].File.Filters, (Filters{{"*.txt", "*.txt"}}));
  EXPECT_EQ(asked[0].File.FileName, "points");
  EXPECT_EQ(asked[0].File.DefaultExt, "txt");

  TOpenDialog open(&app);
  open.SetFilter("*.txt|*.txt|*.bak|*.BAK");
  session.Backend().AnswerFileDialog("/tmp/old.bak", 2);
  EXPECT_TRUE(open.Execute());
  EXPECT_EQ(open.FilterIndex(), 2);
  EXPECT_EQ(session.Backend().Dialogs().back().File.Kind, platform::FileDialogKind::Open);
}

TEST_F(Dialogs, ShowMessageUsesTheApplicationTitle) {
  ShowMessage("Bandung,Indonesia.", platform::MessageBoxKind::Custom);
  const auto& box = session.Backend().Dialogs().at(0).Box;
  EXPECT_EQ(box.Kind, platform::MessageBoxKind::Custom);
  EXPECT_EQ(box.Caption, app.Title());
  EXPECT_EQ(box.Text, "Bandung,Indonesia.");
}

TEST_F(Dialogs, ATimerTicksWhileEnabledAndSurvivesAFailingHandler) {
  TTimer timer(&app);
  timer.SetInterval(100);
  int ticks = 0;
  timer.SetOnTimer([&](TObject*) {
    if (++ticks == 2) throw EConvertError("tick failed");
  });
  session.Advance(100);
  session.Advance(100);
  session.Advance(100);
  EXPECT_EQ(ticks, 3);
  EXPECT_EQ(session.Backend().Dialogs().size(), 1u);
  timer.SetEnabled(false);
  session.Advance(500);
  EXPECT_EQ(ticks, 3);
  timer.SetEnabled(true);
  timer.SetInterval(0);
  session.Advance(500);
  EXPECT_EQ(ticks, 3) << "an interval of 0 stops it";
}

}  // namespace
}  // namespace framework
