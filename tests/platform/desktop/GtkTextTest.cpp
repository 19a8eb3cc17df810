#include <gtest/gtest.h>

#include <string>

#include "platform/desktop/GtkDialogs.h"

namespace platform {
namespace {

TEST(GtkDisplayText, KeepsUtf8AndMarksEveryOtherByte) {
  using namespace std::string_literals;
  const struct {
    std::string text;
    std::string shown;
  } cases[] = {
      {"Nilai (M x N)", "Nilai (M x N)"},
      {"", ""},
      {"gr\xC3\xBC\xC3\x9F", "gr\xC3\xBC\xC3\x9F"},  // valid UTF-8 stays
      {"a\0b"s,
       "a\xEF\xBF\xBD"
       "b"},                                       // a NUL no longer ends the text
      {"\xE9t\xE9", "\xEF\xBF\xBDt\xEF\xBF\xBD"},  // Latin-1 bytes of a file name
      {"\xC3", "\xEF\xBF\xBD"},                    // a sequence cut short
  };
  for (const auto& c : cases) EXPECT_EQ(GtkDisplayText(c.text), c.shown) << c.text;
}

}  // namespace
}  // namespace platform
