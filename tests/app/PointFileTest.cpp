#include <gtest/gtest.h>

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

void ExpectHeader(std::string_view line, const std::string& m, const std::string& n) {
  const THeaderTexts texts = SplitHeader(line);
  EXPECT_EQ(texts.M, m) << line;
  EXPECT_EQ(texts.N, n) << line;
}

void ExpectPoint(std::string_view line, const std::string& x, const std::string& y,
                 const std::string& z) {
  const TPointTexts texts = SplitPointLine(line);
  EXPECT_EQ(texts.X, x) << line;
  EXPECT_EQ(texts.Y, y) << line;
  EXPECT_EQ(texts.Z, z) << line;
}

TEST(SplitHeader, AtTheFirstX) {
  ExpectHeader("3x4", "3", "4");
  ExpectHeader("3x4x5", "3", "4x5");
  ExpectHeader("34", "", "34");
  ExpectHeader("", "", "");
  ExpectHeader("x", "", "");
  ExpectHeader(" 3 X4", "", " 3 X4");  // only the lower-case letter splits
}

TEST(SplitPointLine, AtTheFirstTwoBlanks) {
  ExpectPoint("12 250 7", "12", "250", "7");
  ExpectPoint("12 34", "12", "", "34");
  ExpectPoint("1234", "", "", "1234");
  ExpectPoint("1  3", "1", "", "3");
  ExpectPoint("1 2 3 4", "1", "2", "3 4");
  ExpectPoint("", "", "", "");
  ExpectPoint(" ", "", "", "");
  ExpectPoint("1\t2 3", "1\t2", "", "3");  // only blanks split
}

TEST(PointCountOf, ProductOfTheCounts) {
  EXPECT_EQ(PointCountOf("3", "4"), 12);
  EXPECT_EQ(PointCountOf("$2", " 9"), 18);
  EXPECT_EQ(PointCountOf("100", "100"), MaxPointCount);
  EXPECT_EQ(PointCountOf("1", "1"), 1);
}

TEST(PointCountOf, TextsThatAreNoIntegers) {
  try {
    PointCountOf("", "34");
    FAIL();
  } catch (const framework::EConvertError& e) {
    EXPECT_EQ(e.Message(), "'' is not a valid integer value");
  }
  try {
    PointCountOf("3", "4x5");
    FAIL();
  } catch (const framework::EConvertError& e) {
    EXPECT_EQ(e.Message(), "'4x5' is not a valid integer value");
  }
}

TEST(PointCountOf, SizesOutOfRangeNameBothCounts) {
  try {
    PointCountOf("0", "5");
    FAIL();
  } catch (const framework::EConvertError& e) {
    EXPECT_EQ(e.Message(), "The table size 0 x 5 is not valid (1 to 10000 points)");
  }
  EXPECT_THROW(PointCountOf("-3", "4"), framework::EConvertError);
  EXPECT_THROW(PointCountOf("101", "100"), framework::EConvertError);
  // The product of two huge counts neither overflows nor passes.
  EXPECT_THROW(PointCountOf("2147483647", "2147483647"), framework::EConvertError);
  EXPECT_THROW(PointCountOf("-2147483648", "-2147483648"), framework::EConvertError);
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

TEST(SavePointFile, MissingFolderIsACreateError) {
  const TempFolder folder;
  const std::string file = folder.Path("missing/points.txt");
  try {
    SavePointFile(file, {"2x2"});
    FAIL();
  } catch (const framework::EFCreateError& e) {
    EXPECT_EQ(e.Message(), "Cannot create file \"" + file + "\". No such file or directory");
  }
  EXPECT_EQ(folder.EntryCount(), 0u);
}

TEST(SavePointFile, FailureLeavesThePreviousFileIntact) {
  const TempFolder folder;
  // A folder in the way: the rename fails after the data is written.
  const std::string blocked = folder.Path("blocked.txt");
  ASSERT_EQ(::mkdir(blocked.c_str(), 0755), 0);
  EXPECT_THROW(SavePointFile(blocked, {"2x2"}), framework::EFCreateError);
  struct stat info {};
  ASSERT_EQ(::stat(blocked.c_str(), &info), 0);
  EXPECT_TRUE(S_ISDIR(info.st_mode));

  // A name at the length limit leaves no room for the temporary one beside it.
  const std::string longName = folder.Path(std::string(250, 'p'));
  WriteBytes(longName, "3x3\r\n");
  try {
    SavePointFile(longName, {"2x2"});
    FAIL();
  } catch (const framework::EFCreateError& e) {
    EXPECT_EQ(e.Message(), "Cannot create file \"" + longName + "\". File name too long");
  }
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

void ExpectFailure(const std::vector<std::string>& lines, const std::string& message) {
  try {
    ReadPointTable(lines);
    ADD_FAILURE() << "no error for " << lines.size() << " lines";
  } catch (const framework::Exception& e) {
    EXPECT_EQ(e.Message(), message);
  }
}

TEST(ReadPointTable, IncompleteTablesBeforeConversions) {
  const std::string incomplete(IncompleteTableMessage);
  ExpectFailure({"3x3"}, incomplete);
  ExpectFailure({"2x1", "1 2 3"}, incomplete);
  ExpectFailure({"2x1", "1 2 3", "4  6"}, incomplete);
  ExpectFailure({"2x1", "1 2 3", "4 5 "}, incomplete);
  ExpectFailure({"2x1", "1 2 3", ""}, incomplete);
  // An empty cell further down is found before a bad text further up.
  ExpectFailure({"2x1", "a 2 3", "4 5"}, incomplete);
}

TEST(ReadPointTable, BadTexts) {
  ExpectFailure({}, "'' is not a valid integer value");
  ExpectFailure({"2*2"}, "'' is not a valid integer value");
  ExpectFailure({"1x1", "1 2 3 4"}, "'3 4' is not a valid integer value");
  ExpectFailure({"1x2", "1 2 3", "4 5 99999999999"}, "'99999999999' is not a valid integer value");
  ExpectFailure({"0x9"}, "The table size 0 x 9 is not valid (1 to 10000 points)");
}

}  // namespace
}  // namespace Bezier
