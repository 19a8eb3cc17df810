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
  bool PointFileFirst;
  std::string Usage() const {
    return "usage: " + Name + " [OPTION]... " +
           (PointFileFirst ? "POINTFILE [OUT.png]\n" : "OUT.png [POINTFILE]\n");
  }
  std::string Operands(const std::string& points, const std::string& png) const {
    return PointFileFirst ? points + " " + png : png + " " + points;
  }
};

const TCommandUnderTest CommandsUnderTest[] = {{BEZIER_RENDER, "bezier-render", true},
                                               {BEZIER_SHOT, "bezier-shot", false}};

class Commands : public ::testing::TestWithParam<TCommandUnderTest> {
 protected:
  // The exit status, with the standard output in out and the error output in errors.
  int Run(const std::string& arguments) {
    return tempfiles::RunProgram(GetParam().Program, arguments + " >" + out, errors);
  }

  TempFolder folder;
  const std::string out = folder.Path("out");
  const std::string errors = folder.Path("errors");
};

TEST_P(Commands, AnswerHelpAndVersionAndRefuseWhatTheyDoNotKnow) {
  const TCommandUnderTest& c = GetParam();
  struct {
    std::string Arguments;
    int Status;
    std::string Out;  // the beginning of the standard output
    std::string Errors;
  } const calls[] = {
      {"--help", 0, c.Usage(), ""},
      {"--version a b c", 0, c.Name + " 1.0.0\n", ""},
      {"--bogus a b", 2, "", c.Name + ": unknown option '--bogus'\n" + c.Usage()},
      {"-x a b", 2, "", c.Name + ": unknown option '-x'\n" + c.Usage()},
      {"a b c", 2, "", c.Name + ": wrong number of operands\n" + c.Usage()},
  };
  for (const auto& call : calls) {
    EXPECT_EQ(Run(call.Arguments), call.Status) << call.Arguments;
    EXPECT_TRUE(ReadBytes(out).starts_with(call.Out)) << call.Arguments << ": " << ReadBytes(out);
    EXPECT_EQ(ReadBytes(errors), call.Errors) << call.Arguments;
  }
  EXPECT_EQ(folder.EntryCount(), 2u) << "only out and errors: no picture named after an option";
}

// The tool's own messages about a file's content come after its name; bezier-shot draws a
// file's rows as its window's File > Open leaves them, where a missing point line is an empty
// cell.
TEST_P(Commands, NameTheFileAndTheReasonOfEveryFailure) {
  const TCommandUnderTest& c = GetParam();
  const std::string points = folder.Path("points.txt"), png = folder.Path("picture.png");
  const std::string aFolder = folder.Path("folder"), noFolder = folder.Path("none/picture.png");
  const std::string missing = folder.Path("missing.txt");
  std::filesystem::create_directory(aFolder);
  const std::string incomplete = "2x2\r\n1 2 3\r\n4 5 6\r\n7 8 9\r\n";
  struct {
    std::string Content, PointFile, Picture, Named, Reason;
  } const failures[] = {
      {incomplete + "1 1 1\r\n", missing, png, missing, "does not exist"},
      {"", aFolder, png, aFolder, "is a folder"},
      {incomplete + "1 1 1\r\n", points, aFolder, aFolder, "is a folder"},
      {incomplete + "1 1 1\r\n", points, noFolder, noFolder, "is in a folder that does not exist"},
      {incomplete, points, png, points,
       c.PointFileFirst ? "Cek Seluruh Input yang harus diisi ... !"
                        : "'' is not a valid integer value"},
      {"1x1\r\n1 2 z\r\n", points, png, points, "'z' is not a valid integer value"},
  };
  for (const auto& f : failures) {
    WriteBytes(points, f.Content);
    EXPECT_EQ(Run(c.Operands(f.PointFile, f.Picture)), 1) << f.Reason;
    EXPECT_EQ(ReadBytes(errors), c.Name + ": " + f.Named + ": " + f.Reason + "\n");
    EXPECT_FALSE(std::filesystem::exists(png)) << f.Reason;
  }
}

INSTANTIATE_TEST_SUITE_P(BothCommands, Commands, ::testing::ValuesIn(CommandsUnderTest),
                         [](const auto& info) {
                           return info.param.PointFileFirst ? "Render" : "Shot";
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
