#include "framework/runtime/Conversions.h"

#include <gtest/gtest.h>

#include <vector>

#include "framework/runtime/Exceptions.h"
#include "framework/runtime/Format.h"
#include "tests/framework/Thrown.h"

namespace framework {
namespace {

TEST(StrToInt, AcceptsBlanksSignsHexPrefixesAndThirtyTwoBits) {
  const struct {
    int value;
    std::vector<const char*> texts;
  } cases[] = {
      {12, {"12", " 12"}},
      {-3, {"   -3"}},
      {7, {"+7", "007"}},
      {31, {"$1F", "0x1f", "0X1F"}},
      {16, {"x10", "X10"}},
      {-16, {"-$10"}},
      {INT32_MAX, {"2147483647"}},
      {INT32_MIN, {"-2147483648", "$80000000"}},  // hexadecimal is a 32-bit pattern
      {-1, {"$FFFFFFFF"}},
  };
  for (const auto& c : cases)
    for (const char* text : c.texts) EXPECT_EQ(StrToInt(text), c.value) << text;
}

TEST(StrToInt, RejectsEverythingElseWithTheQuotedText) {
  for (const char* bad : {"", " ", "1 2", "12 ", "abc", "-", "+", "$", "0x", "x", "1e3", "12a",
                          "\t12", "--1", "+-1", "0x-1", "1.0",
                          // past 32 bits: 2^31, -2^31 - 1, 2^32 in hex
                          "2147483648", "-2147483649", "99999999999999999999999", "$100000000"}) {
    EXPECT_EQ(testing::ThrownMessage<EConvertError>([&] { StrToInt(bad); }),
              "'" + std::string(bad) + "' is not a valid integer value");
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
