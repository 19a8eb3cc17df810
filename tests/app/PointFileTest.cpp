#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include <sys/stat.h>

#include "app/BezierPointFile.h"
#include "framework/runtime/Exceptions.h"
#include "tests/app/TempFolder.h"

namespace Bezier {
namespace {

using tempfiles::ReadBytes;
using tempfiles::TempFolder;
using tempfiles::WriteBytes;

// The message of the error E that f raises, or "" when it raises none; other errors fail the
// test.
template <class E, class F>
std::string MessageOf(F f) {
  try {
    f();
  } catch (const E& e) {
    return e.Message();
  }
  return "";
}

TEST(SplitHeader, AtTheFirstLowerCaseX) {
  const std::array<std::string, 3> cases[] = {
      {"3x4", "3", "4"}, {"3x4x5", "3", "4x5"}, {"34", "", "34"},
      {"", "", ""},      {"x", "", ""},         {" 3 X4", "", " 3 X4"},
  };
  for (const auto& [line, m, n] : cases) {
    const THeaderTexts texts = SplitHeader(line);
    EXPECT_EQ((std::array{texts.M, texts.N}), (std::array{m, n})) << line;
  }
}

TEST(SplitPointLine, AtTheFirstTwoBlanksOnly) {
  const std::array<std::string, 4> cases[] = {
      {"12 250 7", "12", "250", "7"},
      {"12 34", "12", "", "34"},
      {"1234", "", "", "1234"},
      {"1  3", "1", "", "3"},
      {"1 2 3 4", "1", "2", "3 4"},
      {"", "", "", ""},
      {" ", "", "", ""},
      {"1\t2 3", "1\t2", "", "3"},
  };
  for (const auto& [line, x, y, z] : cases) {
    const TPointTexts texts = SplitPointLine(line);
    EXPECT_EQ((std::array{texts.X, texts.Y, texts.Z}), (std::array{x, y, z})) << line;
  }
}

// The product of two huge counts neither overflows nor passes.
TEST(PointCountOf, ProductOfTheCountsOrAConversionError) {
  const std::string invalid = "is not a valid integer value";
  const std::string range = "is not valid (1 to 10000 points)";
  const struct {
    std::string m, n;
    std::int32_t count;
    std::string message;
  } cases[] = {
      {"3", "4", 12, ""},
      {"$2", " 9", 18, ""},
      {"100", "100", MaxPointCount, ""},
      {"1", "1", 1, ""},
      {"", "34", 0, "'' " + invalid},
      {"3", "4x5", 0, "'4x5' " + invalid},
      {"0", "5", 0, "The table size 0 x 5 " + range},
      {"-3", "4", 0, "The table size -3 x 4 " + range},
      {"101", "100", 0, "The table size 101 x 100 " + range},
      {"10001", "1", 0, "The table size 10001 x 1 " + range},
      {"2147483647", "2147483647", 0, "The table size 2147483647 x 2147483647 " + range},
      {"-2147483648", "-2147483648", 0, "The table size -2147483648 x -2147483648 " + range},
  };
  for (const auto& c : cases) {
    std::int32_t count = 0;
    EXPECT_EQ(MessageOf<framework::EConvertError>([&] { count = PointCountOf(c.m, c.n); }),
              c.message)
        << c.m << " x " << c.n;
    EXPECT_EQ(count, c.count) << c.m << " x " << c.n;
  }
}

TEST(PointFileText, EveryLineEndsWithCarriageReturnAndLineFeed) {
  EXPECT_EQ(PointFileText({"2x2", "1 2 3", "4 5 6", "7 8 9", "10 11 12"}),
            "2x2\r\n1 2 3\r\n4 5 6\r\n7 8 9\r\n10 11 12\r\n");
  EXPECT_EQ(PointFileText({}), "");
  EXPECT_EQ(PointFileText({""}), "\r\n");
}

TEST(SavePointFile, WritesAndReplaces) {
  const TempFolder folder;
  const std::string file = folder.Path("points.txt");
  SavePointFile(file, {"2x2", "1 2 3", "4 5 6", "7 8 9", "10 11 12"});
  EXPECT_EQ(ReadBytes(file), "2x2\r\n1 2 3\r\n4 5 6\r\n7 8 9\r\n10 11 12\r\n");
  ::chmod(file.c_str(), 0640);
  SavePointFile(file, {});
  EXPECT_EQ(ReadBytes(file), "");
  struct stat info {};
  ASSERT_EQ(::stat(file.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0640u);
  EXPECT_EQ(folder.EntryCount(), 1u);
}

// A missing folder, a folder in the way (the rename fails after the data is written) and a
// name at the length limit (no room for the temporary one beside it): nothing else is left.
TEST(SavePointFile, FailureNamesTheFileAndLeavesThePreviousOneIntact) {
  const TempFolder folder;
  const std::string missing = folder.Path("missing/points.txt");
  EXPECT_EQ(MessageOf<framework::EFCreateError>([&] { SavePointFile(missing, {"2x2"}); }),
            "Cannot create file \"" + missing + "\". No such file or directory");
  EXPECT_EQ(folder.EntryCount(), 0u);

  const std::string blocked = folder.Path("blocked.txt");
  ASSERT_EQ(::mkdir(blocked.c_str(), 0755), 0);
  EXPECT_THROW(SavePointFile(blocked, {"2x2"}), framework::EFCreateError);
  struct stat info {};
  ASSERT_EQ(::stat(blocked.c_str(), &info), 0);
  EXPECT_TRUE(S_ISDIR(info.st_mode));

  const std::string longName = folder.Path(std::string(250, 'p'));
  WriteBytes(longName, "3x3\r\n");
  EXPECT_EQ(MessageOf<framework::EFCreateError>([&] { SavePointFile(longName, {"2x2"}); }),
            "Cannot create file \"" + longName + "\". File name too long");
  EXPECT_EQ(ReadBytes(longName), "3x3\r\n");
  EXPECT_EQ(folder.EntryCount(), 2u);
}

TEST(ReadPointTable, CountsAndPointsInTableOrder) {
  const TPointTable table = ReadPointTable({"2x3", "1 2 3", "4 5 6", "7 8 9", "10 11 12",
                                            "-1 $10 0", "13 14 15", "extra line", "99 99 99"});
  EXPECT_EQ(table.M, 2);
  EXPECT_EQ(table.N, 3);
  const MatA expected = {{{1, 2, 3}, {4, 5, 6}, {7, 8, 9}},
                         {{10, 11, 12}, {-1, 16, 0}, {13, 14, 15}}};
  EXPECT_EQ(table.Points, expected);
}

// An empty cell further down is found before a bad text further up.
TEST(ReadPointTable, IncompleteTablesBeforeBadTexts) {
  const std::string incomplete(IncompleteTableMessage);
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{"3x3"}, incomplete},
      {{"2x1", "1 2 3"}, incomplete},
      {{"2x1", "1 2 3", "4  6"}, incomplete},
      {{"2x1", "1 2 3", "4 5 "}, incomplete},
      {{"2x1", "1 2 3", ""}, incomplete},
      {{"2x1", "a 2 3", "4 5"}, incomplete},
      {{}, "'' is not a valid integer value"},
      {{"2*2"}, "'' is not a valid integer value"},
      {{"1x1", "1 2 3 4"}, "'3 4' is not a valid integer value"},
      {{"1x2", "1 2 3", "4 5 99999999999"}, "'99999999999' is not a valid integer value"},
      {{"0x9"}, "The table size 0 x 9 is not valid (1 to 10000 points)"},
  };
  for (const auto& [lines, message] : cases) {
    const auto read = [&lines = lines] { ReadPointTable(lines); };
    EXPECT_EQ(MessageOf<framework::Exception>(read), message) << lines.size() << " lines";
  }
}

}  // namespace
}  // namespace Bezier
