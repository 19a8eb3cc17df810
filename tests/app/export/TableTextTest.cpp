#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/export/TableText.h"
#include "framework/runtime/Exceptions.h"

namespace Bezier {
namespace {

struct Accepted {
  const char* Case;
  std::string Text;
  std::vector<TPointValues> Points;
};

TEST(TableText, ReadsWhatSpreadsheetsAndEditorsPutOnTheClipboard) {
  const Accepted cases[] = {
      {"as the tool copies", "1\t2\t3\n-4\t5\t+6\n", {{1, 2, 3}, {-4, 5, 6}}},
      {"spreadsheet: header, CRLF, trailing tab, blank last line",
       "X\tY\tZ\r\n10\t20\t30\t\r\n40\t50\t60\t\r\n\r\n",
       {{10, 20, 30}, {40, 50, 60}}},
      {"semicolons and commas, blanks around them", "7;8;9\n 1 , 2 , 3 \n", {{7, 8, 9}, {1, 2, 3}}},
      {"runs of blanks, no final line feed", "  1   2    3", {{1, 2, 3}}},
      {"the 32-bit ends", "2147483647 -2147483648 0", {{2147483647, -2147483647 - 1, 0}}},
  };
  for (const Accepted& c : cases) {
    SCOPED_TRACE(c.Case);
    EXPECT_EQ(ParseTableText(c.Text), c.Points);
  }
}

struct Refused {
  const char* Case;
  std::string Text;
  std::string Message;
};

TEST(TableText, RefusesTextThatIsNoTableOfIntegersNamingTheFirstBadLine) {
  const Refused cases[] = {
      {"letters", "1 2 3\n4 x 6\n7 y 9\n", "Baris 2 papan klip: \"x\" bukan bilangan bulat"},
      {"a decimal", "1 2 3.5", "Baris 1 papan klip: \"3.5\" bukan bilangan bulat"},
      {"too many columns", "X Y Z\n1 2 3 4\n",
       "Baris 2 papan klip: 4 nilai, harus 3 (X, Y, Z): \"1 2 3 4\""},
      {"an empty cell between tabs", "1\t\t3",
       "Baris 1 papan klip: 2 nilai, harus 3 (X, Y, Z): \"1\t\t3\""},
      {"a blank line inside", "1 2 3\n\n4 5 6",
       "Baris 2 papan klip: 0 nilai, harus 3 (X, Y, Z): \"\""},
      // 2^31 = 2147483648 and -2^31 - 1 = -2147483649 lie one past either end.
      {"past 32 bits", "1 2 2147483648",
       "Baris 1 papan klip: 2147483648 di luar jangkauan bilangan bulat 32-bit"},
      {"past 32 bits below", "-2147483649 0 0",
       "Baris 1 papan klip: -2147483649 di luar jangkauan bilangan bulat 32-bit"},
      {"a lone sign", "- 1 2", "Baris 1 papan klip: \"-\" bukan bilangan bulat"},
      {"empty", "", "Papan klip tidak berisi titik untuk ditempel"},
      {"a header alone", "X\tY\tZ\r\n", "Papan klip tidak berisi titik untuk ditempel"},
  };
  for (const Refused& c : cases) {
    SCOPED_TRACE(c.Case);
    try {
      ParseTableText(c.Text);
      ADD_FAILURE() << "accepted";
    } catch (const framework::Exception& e) {
      EXPECT_EQ(std::string(e.what()), c.Message);
    }
  }
}

// Copied text reads back as it was, empty cells and all.
TEST(TableText, WritesOnePointALineTabSeparated) {
  EXPECT_EQ(TableText({{"1", "22", "-3"}, {"", "5", ""}}), "1\t22\t-3\n\t5\t\n");
  EXPECT_EQ(ParseTableText(TableText({{"12", "250", "7"}})),
            (std::vector<TPointValues>{{12, 250, 7}}));
}

}  // namespace
}  // namespace Bezier
