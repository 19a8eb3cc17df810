// Steps of the table's history: what a step keeps, and how far back the history reaches.
#include <gtest/gtest.h>

#include <string>

#include "app/history/TableHistory.h"

namespace Bezier {
namespace {

TTableState Table(std::vector<std::array<std::string, 4>> cells, std::string m = "2") {
  return {{m, "1"}, std::move(cells), -1};
}

TEST(TableStep, KeepsOnlyWhatChangedAndGoesBothWays) {
  const TTableState before = Table({{"h", "X", "Y", "Z"}, {"1", "5", "6", "7"}});
  TTableState after = Table({{"h", "X", "Y", "Z"}, {"1", "5", "9", "7"}, {"", "1", "", ""}}, "3");
  after.Selected = 2;
  const TTableStep step = Difference(before, after);
  ASSERT_EQ(step.Cells.size(), 2u);  // (2, 1) and (1, 2); the new row's empty cells are none
  EXPECT_EQ(step.Cells[0].Col, 2);
  EXPECT_EQ(step.Cells[0].Before, "6");
  EXPECT_EQ(step.Cells[1].Row, 2);
  EXPECT_EQ(step.RowsBefore, 2);
  EXPECT_EQ(step.RowsAfter, 3);
  EXPECT_EQ(step.SelectedAfter, 2);
  const TTableStep back = Reversed(step);
  EXPECT_EQ(back.Cells[0].After, "6");
  EXPECT_EQ(back.FieldsAfter[0], "2");
  EXPECT_EQ(back.RowsAfter, 2);
  EXPECT_EQ(back.SelectedAfter, -1);
  EXPECT_FALSE(step.Empty());
  // The selection alone is no step.
  TTableState selected = before;
  selected.Selected = 1;
  EXPECT_TRUE(Difference(before, selected).Empty());
}

// Step k changes cell (1, 1) from k to k + 1.
TTableStep Numbered(int k) {
  TTableStep step;
  step.RowsBefore = step.RowsAfter = 2;
  step.Cells.push_back({1, 1, std::to_string(k), std::to_string(k + 1)});
  return step;
}

TEST(TableHistory, UndoesTheLastThousandStepsAndForgetsRedoOnANewStep) {
  TTableHistory history;
  for (int k = 0; k < 1005; ++k) history.Record(Numbered(k));
  EXPECT_EQ(history.UndoCount(), 1000u);
  std::string value = "1005";
  while (std::optional<TTableStep> step = history.Undo()) {
    ASSERT_EQ(step->Cells[0].Before, value);
    value = step->Cells[0].After;
  }
  EXPECT_EQ(value, "5");  // steps 0 to 4 went
  ASSERT_TRUE(history.Redo().has_value());
  EXPECT_TRUE(history.CanRedo());
  history.Record(Numbered(6));
  EXPECT_FALSE(history.CanRedo());
  EXPECT_FALSE(history.Redo().has_value());
}

// A step the size of the whole budget pushes every older one out, but stays itself.
TEST(TableHistory, KeepsWithinItsMemory) {
  TTableHistory history;
  history.Record(Numbered(1));
  TTableStep big = Numbered(2);
  big.Cells[0].After.assign(TTableHistory::MaxBytes, 'x');
  history.Record(std::move(big));
  EXPECT_EQ(history.UndoCount(), 1u);
}

}  // namespace
}  // namespace Bezier
