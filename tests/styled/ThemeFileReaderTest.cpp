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

TEST(ThemeFileReader, DataOrRecordsPastTheEndAreAStreamReadError) {
  const Bytes good = WriteThemeFile({BinaryEntry("ButtonImage", {1, 2, 3, 4})});
  Bytes longData = good;
  suiTesting::PutU32(longData, FirstRecord + DataSizeField, 1000);
  EXPECT_EQ(ReadError(longData), "Stream read error");

  Bytes farRecord = good;
  suiTesting::PutU32(farRecord, FirstRecord + NextField,
                     static_cast<std::uint32_t>(good.size() - 10));
  EXPECT_EQ(ReadError(farRecord), "Stream read error");

  Bytes hugeOffset = good;
  suiTesting::PutU32(hugeOffset, FirstRecord + DataOffsetField, 0xFFFFFFFF);
  EXPECT_EQ(ReadError(hugeOffset), "Stream read error");

  Bytes textPastEnd = WriteThemeFile({TextEntry("Author", "abc")});
  suiTesting::PutU32(textPastEnd, FirstRecord + DataSizeField, 0x7FFFFFFF);
  EXPECT_EQ(ReadError(textPastEnd), "Stream read error");

  EXPECT_EQ(ReadError(Bytes(good.begin(), good.begin() + 15)), "Stream read error");
  EXPECT_EQ(ReadError(Bytes(good.begin(), good.begin() + 30)), "Stream read error");
  EXPECT_EQ(ReadError({}), "Stream read error");
}

TEST(ThemeFileReader, AHeaderSizeOtherThan24IsRefused) {
  Bytes bytes = WriteThemeFile({});
  suiTesting::PutU32(bytes, 12, 40);
  EXPECT_EQ(ReadError(bytes), "Theme file header size is 40, not 24");
}

TEST(ThemeFileReader, IntegersMustTakeFourBytesAndBooleansOne) {
  Bytes integer = WriteThemeFile({IntegerEntry("FormMinWidthInt", 1)});
  suiTesting::PutU32(integer, FirstRecord + DataSizeField, 2);
  EXPECT_EQ(ReadError(integer), "Theme entry 'FormMinWidthInt' holds an integer of 2 bytes, not 4");
  Bytes boolean = WriteThemeFile({BooleanEntry("ButtonTransparentBool", true)});
  suiTesting::PutU32(boolean, FirstRecord + DataSizeField, 4);
  EXPECT_EQ(ReadError(boolean),
            "Theme entry 'ButtonTransparentBool' holds a boolean of 4 bytes, not 1");
}

TEST(ThemeFileReader, ARecordChainThatLoopsIsAnErrorNotAnEndlessRead) {
  Bytes self = WriteThemeFile({IntegerEntry("A", 1)});
  suiTesting::PutU32(self, FirstRecord + NextField, FirstRecord);
  EXPECT_EQ(ReadError(self), "Theme file records form a loop");

  Bytes pair = WriteThemeFile({IntegerEntry("A", 1), IntegerEntry("B", 2), IntegerEntry("C", 3)});
  suiTesting::PutU32(pair, FirstRecord + 2 * (77 + 4) + NextField, FirstRecord + 77 + 4);
  EXPECT_EQ(ReadError(pair), "Theme file records form a loop");
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
