// Reading theme files: the format, its fallbacks and damaged files.
#include <gtest/gtest.h>

#include <algorithm>

#include "framework/runtime/Exceptions.h"
#include "platform/kernel/Resources.h"
#include "resources/Embedded.h"
#include "styled/suiThemeFile.h"
#include "styled/suiThemeFileWriter.h"
#include "tests/styled/StyledTestSupport.h"

namespace {

using namespace suiThemeFileWriter;
using suiThemeFile::TsuiThemeFileReader;
using Bytes = std::vector<std::uint8_t>;

// The reader's message for a file, or "" when it reads.
std::string ReadError(Bytes bytes) {
  try {
    TsuiThemeFileReader reader(std::move(bytes));
    return "";
  } catch (const framework::EReadError& e) {
    return e.Message();
  }
}

constexpr std::size_t FirstRecord = 24;
constexpr std::size_t NextField = 73;
constexpr std::size_t DataOffsetField = 65;
constexpr std::size_t DataSizeField = 69;

TEST(ThemeFileReader, ReadsEveryKindAndFindsNamesWithoutRegardToCase) {
  const TsuiThemeFileReader reader(WriteThemeFile(
      {IntegerEntry("FormMinWidthInt", -270), BooleanEntry("ButtonTransparentBool", true),
       BinaryEntry("ButtonImage", {1, 2, 3}), TextEntry("Author", "me"),
       IntegerEntry("formminwidthint", 5)}));
  EXPECT_EQ(reader.Integer("FORMMINWIDTHINT"), -270) << "the first of two names wins";
  EXPECT_EQ(reader.Boolean("buttontransparentbool"), 1);
  ASSERT_TRUE(reader.Image("ButtonImage").has_value());
  EXPECT_EQ(Bytes(reader.Image("ButtonImage")->begin(), reader.Image("ButtonImage")->end()),
            (Bytes{1, 2, 3}));
  EXPECT_EQ(reader.Text("author"), "me");
  EXPECT_FALSE(reader.Integer("ButtonImage").has_value()) << "tables are kept by kind";
  EXPECT_EQ(reader.EntryCount(), 4u);
}

TEST(ThemeFileReader, AChainEndingAtTheFirstRecordHoldsNoEntries) {
  const TsuiThemeFileReader reader(WriteThemeFile({}));
  EXPECT_EQ(reader.EntryCount(), 0u);
}

TEST(ThemeFileReader, TheLastRecordsDataIsNotReadAndUnknownKindsAreSkipped) {
  Bytes bytes = WriteThemeFile({IntegerEntry("A", 1), IntegerEntry("B", 2)});
  // The record of B ends the chain; its data offset points nowhere.
  const std::size_t second = FirstRecord + 77 + 4;
  suiTesting::PutU32(bytes, second + NextField, 0);
  suiTesting::PutU32(bytes, second + DataOffsetField, 0xFFFFFFF0);
  bytes[FirstRecord + 64] = 9;
  const TsuiThemeFileReader reader(bytes);
  EXPECT_EQ(reader.EntryCount(), 0u);
}

TEST(ThemeFileReader, ANameOfSixtyFourCharactersNeedsNoTerminator) {
  const std::string name(64, 'N');
  const TsuiThemeFileReader reader(WriteThemeFile({IntegerEntry(name, 7)}));
  EXPECT_EQ(reader.Integer(name), 7);
  EXPECT_THROW(WriteThemeFile({IntegerEntry(name + "X", 7)}), framework::EStreamError);
}

// One 32-bit field of a good file overwritten: data or records past the end, a header of the
// wrong size, integers and booleans of the wrong size, record chains that loop.
TEST(ThemeFileReader, ADamagedFieldIsAReadErrorThatSaysWhat) {
  const Bytes binary = WriteThemeFile({BinaryEntry("ButtonImage", {1, 2, 3, 4})});
  const auto size = static_cast<std::uint32_t>(binary.size());
  const std::size_t second = FirstRecord + 77 + 4, third = second + 77 + 4;
  const std::string past = "Stream read error", loop = "Theme file records form a loop";
  const struct {
    Bytes bytes;
    std::size_t at;
    std::uint32_t value;
    std::string message;
  } cases[] = {
      {binary, FirstRecord + DataSizeField, 1000, past},
      {binary, FirstRecord + NextField, size - 10, past},
      {binary, FirstRecord + DataOffsetField, 0xFFFFFFFF, past},
      {WriteThemeFile({TextEntry("Author", "abc")}), FirstRecord + DataSizeField, 0x7FFFFFFF, past},
      {WriteThemeFile({}), 12, 40, "Theme file header size is 40, not 24"},
      {WriteThemeFile({IntegerEntry("FormMinWidthInt", 1)}), FirstRecord + DataSizeField, 2,
       "Theme entry 'FormMinWidthInt' holds an integer of 2 bytes, not 4"},
      {WriteThemeFile({BooleanEntry("ButtonTransparentBool", true)}), FirstRecord + DataSizeField,
       4, "Theme entry 'ButtonTransparentBool' holds a boolean of 4 bytes, not 1"},
      {WriteThemeFile({IntegerEntry("A", 1)}), FirstRecord + NextField, FirstRecord, loop},
      {WriteThemeFile({IntegerEntry("A", 1), IntegerEntry("B", 2), IntegerEntry("C", 3)}),
       third + NextField, second, loop},
  };
  for (const auto& c : cases) {
    Bytes damaged = c.bytes;
    suiTesting::PutU32(damaged, c.at, c.value);
    EXPECT_EQ(ReadError(damaged), c.message) << c.at << " = " << c.value;
  }
  for (const std::size_t length : {15, 30, 0})
    EXPECT_EQ(ReadError(Bytes(binary.begin(), binary.begin() + length)), past) << length;
}

TEST(ThemeFileReader, RefusesMoreRecordsThanAnyThemeHolds) {
  std::vector<TThemeFileEntry> many;
  for (int i = 0; i < 4097; ++i) many.push_back(IntegerEntry(std::to_string(i), i));
  EXPECT_EQ(ReadError(WriteThemeFile(many)), "Theme file holds more than 4096 entries");
  many.pop_back();
  EXPECT_EQ(ReadError(WriteThemeFile(many)), "");
}

TEST(ThemeFileReader, AFileThatCannotBeOpenedSaysWhich) {
  suiTesting::TempFolder folder;
  try {
    TsuiThemeFileReader reader(folder.File("none.theme"));
    FAIL() << "no error";
  } catch (const framework::EFOpenError& e) {
    EXPECT_EQ(e.Message().rfind("Cannot open file \"" + folder.File("none.theme") + "\". ", 0), 0u)
        << e.Message();
  }
}

TEST(ThemeFileWriter, ABuiltInStyleWrittenAndReadBackGivesTheSame42Entries) {
  resources::RegisterEmbeddedResources();
  for (int column = 1; column <= 5; ++column) {
    const auto style = static_cast<suiThemes::TsuiUIStyle>(column);
    const TsuiThemeFileReader reader(WriteThemeFile(BuiltInThemeEntries(style)));
    EXPECT_EQ(reader.EntryCount(), 42u);
    for (int index = 1; index <= suiThemes::ThemeEntryCount; ++index) {
      const suiThemes::TThemeEntry& entry = *suiThemes::FindThemeEntry(index);
      switch (entry.Kind) {
        case suiThemes::TThemeKind::Integer:
          EXPECT_EQ(reader.Integer(entry.Key), suiThemes::GetThemeInt(style, index));
          break;
        case suiThemes::TThemeKind::Color:
          EXPECT_EQ(reader.Integer(entry.Key),
                    static_cast<std::int32_t>(suiThemes::GetThemeColor(style, index)));
          break;
        case suiThemes::TThemeKind::Boolean:
          EXPECT_EQ(reader.Boolean(entry.Key), suiThemes::GetThemeBool(style, index) ? 1 : 0);
          break;
        case suiThemes::TThemeKind::Bitmap: {
          const auto stored = reader.Image(entry.Key);
          const auto resource = platform::LoadResource(suiThemes::GetThemeBitmapName(style, index));
          ASSERT_TRUE(stored.has_value()) << entry.Key;
          EXPECT_TRUE(std::ranges::equal(*stored, resource)) << entry.Key;
          break;
        }
      }
    }
  }
  EXPECT_THROW(BuiltInThemeEntries(suiThemes::TsuiUIStyle::FromThemeFile),
               framework::EConvertError);
}

}  // namespace
