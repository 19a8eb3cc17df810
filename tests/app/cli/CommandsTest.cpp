// Both commands read their arguments alike and word every failure alike: "NAME: FILE: REASON",
// exit status 1; a call they do not understand gets the usage and exit status 2.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "app/cli/CommandLine.h"
#include "tests/app/TempFolder.h"

namespace Bezier {
namespace {

using tempfiles::ReadBytes;
using tempfiles::TempFolder;
using tempfiles::WriteBytes;

struct TCommandUnderTest {
  std::string Program;
  std::string Name;
  std::string Usage;
  // The operands for a point file and a picture, in the command's order.
  std::string (*Operands)(const std::string& points, const std::string& png);
};

const TCommandUnderTest CommandsUnderTest[] = {
    {BEZIER_RENDER, "bezier-render", "usage: bezier-render [OPTION]... POINTFILE OUT.png\n",
     [](const std::string& points, const std::string& png) { return points + " " + png; }},
    {BEZIER_SHOT, "bezier-shot", "usage: bezier-shot [OPTION]... OUT.png [POINTFILE]\n",
     [](const std::string& points, const std::string& png) { return png + " " + points; }},
};

class Commands : public ::testing::TestWithParam<TCommandUnderTest> {
 protected:
  // Runs the command; its exit status, with what it wrote to each output in out and errors.
  int Run(const std::string& arguments) {
    return tempfiles::RunProgram(GetParam().Program, arguments + " >" + out, errors);
  }

  TempFolder folder;
  const std::string out = folder.Path("out");
  const std::string errors = folder.Path("errors");
};

TEST_P(Commands, AnswerHelpAndVersionAndRefuseWhatTheyDoNotKnow) {
  const TCommandUnderTest& command = GetParam();
  EXPECT_EQ(Run("--help"), 0);
  EXPECT_TRUE(ReadBytes(out).starts_with(command.Usage)) << ReadBytes(out);
  EXPECT_NE(ReadBytes(out).find("--version"), std::string::npos);
  EXPECT_EQ(Run("--version"), 0);
  EXPECT_EQ(ReadBytes(out), command.Name + " 1.0.0\n");

  struct {
    std::string Arguments;
    std::string Problem;
  } const refused[] = {
      {"--bogus a b", "unknown option '--bogus'"},
      {"-x a b", "unknown option '-x'"},
      {"", "wrong number of operands"},
      {"a b c", "wrong number of operands"},
  };
  for (const auto& call : refused) {
    EXPECT_EQ(Run(call.Arguments), 2) << call.Arguments;
    EXPECT_EQ(ReadBytes(errors), command.Name + ": " + call.Problem + "\n" + command.Usage);
  }
  EXPECT_EQ(folder.EntryCount(), 2u) << "only out and errors: no picture named after an option";
}

TEST_P(Commands, NameTheFileAndTheReasonOfEveryFailure) {
  const TCommandUnderTest& command = GetParam();
  const std::string points = folder.Path("points.txt");
  const std::string png = folder.Path("picture.png");
  const std::string aFolder = folder.Path("folder");
  std::filesystem::create_directory(aFolder);
  const std::string noFolder = folder.Path("no-folder/picture.png");
  const std::string incomplete = "2x2\r\n1 2 3\r\n4 5 6\r\n7 8 9\r\n";
  const std::string complete = incomplete + "1 1 1\r\n";

  struct {
    std::string Content;  // of points.txt
    std::string PointFile;
    std::string Picture;
    std::string File;  // named in the message
    std::string Reason;
    // The window of bezier-shot draws a file's rows as File > Open leaves them: a missing point
    // line is an empty cell there.
    std::string ShotReason = "";
  } const failures[] = {
      {complete, folder.Path("missing.txt"), png, folder.Path("missing.txt"), "does not exist"},
      {complete, aFolder, png, aFolder, "is a folder"},
      {complete, points, aFolder, aFolder, "is a folder"},
      {complete, points, noFolder, noFolder, "is in a folder that does not exist"},
      // The tool's own messages about a file's content.
      {incomplete, points, png, points, "Cek Seluruh Input yang harus diisi ... !",
       "'' is not a valid integer value"},
      {"1x1\r\n1 2 z\r\n", points, png, points, "'z' is not a valid integer value"},
  };
  for (const auto& failure : failures) {
    WriteBytes(points, failure.Content);
    EXPECT_EQ(Run(command.Operands(failure.PointFile, failure.Picture)), 1) << failure.Reason;
    const bool shot = command.Name == "bezier-shot" && !failure.ShotReason.empty();
    EXPECT_EQ(ReadBytes(errors), command.Name + ": " + failure.File + ": " +
                                     (shot ? failure.ShotReason : failure.Reason) + "\n");
    EXPECT_FALSE(std::filesystem::exists(png)) << failure.Reason;
  }
}

INSTANTIATE_TEST_SUITE_P(BothCommands, Commands, ::testing::ValuesIn(CommandsUnderTest),
                         [](const auto& info) {
                           return info.param.Name == "bezier-render" ? std::string("Render")
                                                                     : std::string("Shot");
                         });

// The arguments a command's body gets: options with their values in any place, operands in
// order, and everything after "--" an operand.
TEST(CommandLine, GivesTheBodyItsOptionsAndOperands) {
  const cli::TCommand command{"cmd", "A [B]", 1,
                              2,     "",      {{"--size", "W H", ""}, {"--flat", "", ""}}};
  struct {
    std::vector<const char*> Argv;
    int Status;
    std::vector<std::string> Operands;
    std::map<std::string, std::string, std::less<>> Options;
  } const calls[] = {
      {{"cmd", "a", "--size", "3", "4", "b"}, 0, {"a", "b"}, {{"--size", "3 4"}}},
      {{"cmd", "--flat", "-", "--", "--size"}, 0, {"-", "--size"}, {{"--flat", ""}}},
      {{"cmd", "a", "--size", "3"}, cli::ExitUsage, {}, {}},  // a value word short
      {{"cmd", "--flat"}, cli::ExitUsage, {}, {}},            // no operand
  };
  for (const auto& call : calls) {
    cli::TArguments got;
    const int status = cli::RunCommand(command, static_cast<int>(call.Argv.size()),
                                       call.Argv.data(), [&](const auto& a) { got = a; });
    EXPECT_EQ(status, call.Status) << call.Argv[1];
    EXPECT_EQ(got.Operands, call.Operands) << call.Argv[1];
    EXPECT_EQ(got.Options, call.Options) << call.Argv[1];
  }
}

}  // namespace
}  // namespace Bezier
