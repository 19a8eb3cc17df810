#include "framework/runtime/Conversions.h"

#include <gtest/gtest.h>

#include "framework/runtime/Exceptions.h"
#include "framework/runtime/Format.h"

namespace framework {
namespace {

TEST(StrToInt, AcceptsBlanksSignsAndHexPrefixes) {
  EXPECT_EQ(StrToInt("12"), 12);
  EXPECT_EQ(StrToInt(" 12"), 12);
  EXPECT_EQ(StrToInt("   -3"), -3);
  EXPECT_EQ(StrToInt("+7"), 7);
  EXPECT_EQ(StrToInt("$1F"), 31);
  EXPECT_EQ(StrToInt("0x1f"), 31);
  EXPECT_EQ(StrToInt("0X1F"), 31);
  EXPECT_EQ(StrToInt("x10"), 16);
  EXPECT_EQ(StrToInt("X10"), 16);
  EXPECT_EQ(StrToInt("-$10"), -16);
  EXPECT_EQ(StrToInt("007"), 7);
}

TEST(StrToInt, RangeIsThirtyTwoBits) {
  EXPECT_EQ(StrToInt("2147483647"), 2147483647);
  EXPECT_EQ(StrToInt("-2147483648"), INT32_MIN);
  EXPECT_THROW(StrToInt("2147483648"), EConvertError);
  EXPECT_THROW(StrToInt("-2147483649"), EConvertError);
  EXPECT_THROW(StrToInt("99999999999999999999999"), EConvertError);
  // Hexadecimal is a 32-bit pattern.
  EXPECT_EQ(StrToInt("$FFFFFFFF"), -1);
  EXPECT_EQ(StrToInt("$80000000"), INT32_MIN);
  EXPECT_THROW(StrToInt("$100000000"), EConvertError);
}

TEST(StrToInt, RejectsEverythingElseWithTheQuotedText) {
  for (const char* bad : {"", " ", "1 2", "12 ", "abc", "-", "+", "$", "0x", "x", "1e3", "12a",
                          "\t12", "--1", "+-1", "0x-1", "1.0"}) {
    try {
      StrToInt(bad);
      ADD_FAILURE() << "accepted '" << bad << "'";
    } catch (const EConvertError& e) {
      EXPECT_EQ(e.Message(), "'" + std::string(bad) + "' is not a valid integer value");
    }
  }
  EXPECT_EQ(StrToIntDef("abc", 42), 42);
  EXPECT_EQ(StrToIntDef("-5", 42), -5);
}

TEST(Format, FillsTextAndNumbersInOrder) {
  EXPECT_EQ(Format("Cannot create file \"%s\". %s", {"a.txt", "Permission denied"}),
            "Cannot create file \"a.txt\". Permission denied");
  EXPECT_EQ(Format("%d%% of %s", {50, "x"}), "50% of x");
  EXPECT_THROW(Format("%s", {}), EConvertError);
  EXPECT_THROW(Format("%d", {"text"}), EConvertError);
  EXPECT_THROW(Format("%q", {1}), EConvertError);
  EXPECT_THROW(Format("100%", {}), EConvertError);
}

}  // namespace
}  // namespace framework
