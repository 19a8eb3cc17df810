#include <gtest/gtest.h>

#include "framework/classes/ClassBuilder.h"
#include "tests/framework/GridTestSupport.h"

namespace framework {
namespace {

using testing::GridFixture;

class Grid : public ::testing::Test, public GridFixture {};

TEST_F(Grid, CellsKeepTheirTextsAndLoseThoseCutOffBySizing) {
  grid->SetCells(1, 2, "12");
  grid->SetRows(0, {"Titik Kontrol", "X", "Y", "Z"});
  EXPECT_EQ(grid->Cells(1, 2), "12");
  EXPECT_EQ(grid->Cells(3, 0), "Z");
  EXPECT_EQ(grid->Cols(1), (std::vector<std::string>{"X", "", "12", ""}));

  grid->SetCols(1, {"A"});  // a short list empties the rest of the column
  EXPECT_EQ(grid->Cols(1), (std::vector<std::string>{"A", "", "", ""}));

  grid->SetCells(3, 3, "gone");
  grid->SetRowCount(3);
  grid->SetColCount(3);
  grid->SetRowCount(4);
  grid->SetColCount(4);
  EXPECT_EQ(grid->Cells(3, 3), "");
  EXPECT_EQ(grid->Cells(3, 0), "");
  EXPECT_EQ(grid->Cells(0, 0), "Titik Kontrol");
}

TEST_F(Grid, IndexesAndSizesOutsideTheGridAreErrors) {
  EXPECT_THROW(grid->Cells(4, 0), EInvalidGridOperation);
  EXPECT_THROW(grid->SetCells(0, -1, "x"), EInvalidGridOperation);
  EXPECT_THROW(grid->SetRow(0), EInvalidGridOperation) << "a fixed row cannot be current";
  EXPECT_THROW(grid->SetCol(4), EInvalidGridOperation);
  EXPECT_THROW(grid->SetFixedCols(4), EInvalidGridOperation);
  EXPECT_THROW(grid->SetRowCount(TCustomGrid::MaxRowCount + 1), EInvalidGridOperation);
  EXPECT_THROW(grid->SetDefaultColWidth(-1), EInvalidGridOperation);
  EXPECT_THROW(grid->SetBorderStyle(bsSizeable), EInvalidGridOperation);
  EXPECT_THROW(grid->SetSelection({0, 1, 2, 2}), EInvalidGridOperation);
  EXPECT_EQ(grid->RowCount(), 4);
}

TEST_F(Grid, ShrinkingKeepsOneCellThatIsNotFixedAndTheCurrentCellInside) {
  grid->SetRowCount(10);
  grid->SetRow(9);
  grid->SetRowCount(0);  // becomes 1: the fixed row gives way
  EXPECT_EQ(grid->RowCount(), 1);
  EXPECT_EQ(grid->FixedRows(), 0);
  EXPECT_EQ(grid->Row(), 0);
  grid->SetRowCount(5);
  grid->SetFixedRows(1);
  EXPECT_EQ(grid->Row(), 1);
  EXPECT_EQ(grid->Selection(), (TGridRect{1, 1, 1, 1}));
}

TEST_F(Grid, SelectCellCanRefuseAndThenTheOldCellStays) {
  std::vector<std::pair<int, int>> asked;
  grid->OnSelectCell = [&](TObject*, int col, int row, bool& canSelect) {
    asked.emplace_back(col, row);
    canSelect = col != 3;
  };
  ClickCell(2, 2);
  EXPECT_EQ(Current(), (std::pair{2, 2}));
  ClickCell(3, 1);
  EXPECT_EQ(Current(), (std::pair{2, 2}));
  EXPECT_EQ(grid->Selection(), (TGridRect{2, 2, 2, 2}));
  grid->SetCol(3);
  EXPECT_EQ(grid->Col(), 2) << "setting Col asks too";
  EXPECT_EQ(asked, (std::vector<std::pair<int, int>>{{2, 2}, {3, 1}, {3, 2}}));
}

TEST_F(Grid, FixedCellsCannotBeSelectedByMouse) {
  int asked = 0;
  grid->OnSelectCell = [&](TObject*, int, int, bool&) { ++asked; };
  ClickCell(0, 2);
  ClickCell(2, 0);
  ClickCell(0, 0);
  EXPECT_EQ(asked, 0);
  EXPECT_EQ(Current(), (std::pair{1, 1}));
  EXPECT_TRUE(grid->Focused()) << "a click on a header still focuses the grid";
}

TEST_F(Grid, KeyPressCanSwallowACharacterWithZero) {
  std::string seen;
  grid->OnKeyPress = [&](TObject*, char& key) {
    seen += key;
    if (key == 'a') key = 0;
  };
  grid->SetFocus();
  session.TypeText("1a2");
  EXPECT_EQ(seen, "1a2");
  EXPECT_EQ(grid->Cells(1, 1), "") << "no cell editor takes the characters";
}

TEST_F(Grid, DoubleClickReportsOnceAndLeavesHeadersUnselected) {
  int doubles = 0;
  grid->OnDblClick = [&](TObject*) { ++doubles; };
  ClickCell(2, 3);
  session.Advance(1000);
  ClickCell(1, 2);
  ClickCell(1, 2);
  EXPECT_EQ(doubles, 1);
  EXPECT_EQ(Current(), (std::pair{1, 2}));
  session.Advance(1000);
  ClickCell(3, 0);
  ClickCell(3, 0);
  EXPECT_EQ(doubles, 2);
  EXPECT_EQ(Current(), (std::pair{1, 2}));
}

TEST_F(Grid, DraggingSelectsARangeOnlyWithRangeSelect) {
  session.Press(CellCentre(1, 1));
  session.MoveMouse(CellCentre(3, 2));
  session.Release(CellCentre(3, 2));
  EXPECT_EQ(grid->Selection(), (TGridRect{1, 1, 3, 2}));
  EXPECT_EQ(Current(), (std::pair{3, 2}));

  grid->SetOptions(grid->Options() - TGridOptions{goRangeSelect});
  session.Advance(1000);
  session.Press(CellCentre(1, 1));
  session.MoveMouse(CellCentre(3, 3));
  session.Release(CellCentre(3, 3));
  EXPECT_EQ(grid->Selection(), (TGridRect{1, 1, 1, 1}));
}

TEST_F(Grid, RowSelectSpansEveryColumnThatIsNotFixed) {
  grid->SetOptions(grid->Options() + TGridOptions{goRowSelect});
  ClickCell(2, 3);
  EXPECT_EQ(grid->Selection(), (TGridRect{1, 3, 3, 3}));
}

TEST_F(Grid, MouseToCellAndCellRectAgree) {
  // Columns of 64 and rows of 24 with one-pixel lines: column 1 starts at 65.
  EXPECT_EQ(grid->CellRect(1, 1), (TRect{65, 25, 129, 49}));
  EXPECT_EQ(grid->MouseToCell(65, 25), (TGridCoord{1, 1}));
  EXPECT_EQ(grid->MouseToCell(129, 49), (TGridCoord{1, 1})) << "a line is its cell's";
  EXPECT_EQ(grid->MouseToCell(130, 50), (TGridCoord{2, 2}));
  EXPECT_FALSE(grid->MouseToCell(264, 10)) << "right of the last column";
  EXPECT_FALSE(grid->MouseToCell(-1, 10));
}

constexpr const char* TableFormText = R"(object TableForm: TTableForm
  object SGInput: TStringGrid
    Left = 8
    Top = 216
    Width = 265
    Height = 241
    BorderStyle = bsNone
    ColCount = 4
    Ctl3D = False
    DefaultColWidth = 64
    FixedColor = clSkyBlue
    RowCount = 4
    GridLineWidth = 2
    Options = [goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect, goDrawFocusSelected]
    OnSelectCell = SGInputSelectCell
  end
end
)";

class TTableForm : public TForm {
 public:
  explicit TTableForm(TComponent* owner) : TForm(owner) {
    LoadDescription(TableFormText, testing::FrameworkClasses());
  }
  static const TClassInfo& StaticClassInfo() {
    using F = TTableForm;
    static const TClassInfo info = TClassBuilder<F, TForm>("TTableForm")
                                       .Field("SGInput", &F::SGInput)
                                       .Method("SGInputSelectCell", &F::SGInputSelectCell)
                                       .Build();
    return info;
  }
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  void SGInputSelectCell(TObject*, int col, int row, bool&) { selected = {col, row}; }

  TStringGrid* SGInput = nullptr;
  std::pair<int, int> selected;
};

TEST(GridDescription, ThePointTableIsReadWithItsPropertiesAndHandler) {
  platform::HeadlessSession session;
  TApplication app;
  auto* form = app.CreateForm<TTableForm>();
  const TStringGrid& grid = *form->SGInput;
  EXPECT_EQ(grid.BorderStyle(), bsNone);
  EXPECT_EQ(grid.ColCount(), 4);
  EXPECT_EQ(grid.RowCount(), 4);
  EXPECT_FALSE(grid.Ctl3D());
  EXPECT_EQ(grid.FixedColor(), platform::clSkyBlue);
  EXPECT_EQ(grid.GridLineWidth(), 2);
  EXPECT_TRUE(grid.Options().Contains(goDrawFocusSelected));
  form->SGInput->SetRow(3);
  EXPECT_EQ(form->selected, (std::pair{1, 3}));
}

}  // namespace
}  // namespace framework
