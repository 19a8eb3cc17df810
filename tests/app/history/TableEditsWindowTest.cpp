// Undo and redo of the real main window's table: random edits from every source, undone all
// the way and redone all the way, give back each state, values and selection alike.
#include <random>

#include "framework/runtime/Conversions.h"

#include "tests/app/view3d/ViewWindowSupport.h"

namespace Bezier {

bool operator==(const TTableState& a, const TTableState& b) {
  return a.Fields == b.Fields && a.Cells == b.Cells && a.Selected == b.Selected;
}

namespace testing {
namespace {

class TableEdits : public ViewWindow {
 protected:
  int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); }
  std::string Number() { return std::to_string(Below(400)); }

  // One edit from a source picked at random; some of them change nothing.
  void RandomEdit(TViewPanel& panel) {
    auto& grid = *form->SGInput;
    const int row = 1 + Below(std::max(grid.RowCount() - 1, 1));
    switch (Below(9)) {
      case 0:
      case 1: {  // a digit or a backspace typed into a cell
        grid.SetCol(1 + Below(3));
        grid.SetRow(std::min(row, grid.RowCount() - 1));
        char key = Below(4) == 0 ? '\b' : static_cast<char>('0' + Below(10));
        grid.OnKeyPress(&grid, key);
        break;
      }
      case 2:
        grid.OnDblClick(&grid);
        break;
      case 3:
        form->BtnRandom->OnClick(form->BtnRandom);
        break;
      case 4:
        form->Reset1->Click();
        break;
      case 5: {  // a file of up to 3 x 3 points, some cells missing
        const int m = 1 + Below(3), n = 1 + Below(3);
        std::string text = std::to_string(m) + "x" + std::to_string(n) + "\r\n";
        for (int k = Below(m * n + 1); k > 0; --k)
          text += Number() + " " + (Below(5) ? Number() : "") + " " + Number() + "\r\n";
        tempfiles::WriteBytes(folder.Path("random.txt"), text);
        Backend().AnswerFileDialog(folder.Path("random.txt"));
        form->Open->Click();
        break;
      }
      case 6:
        if (framework::StrToIntDef(form->EdM->Text(), 0) > 0 &&
            framework::StrToIntDef(form->EdN->Text(), 0) > 0)
          form->BtMxN->OnClick(form->BtMxN);
        break;
      case 7: {  // a drag of a point in the view
        const auto points = panel.Scene().Net.Points.size();
        if (points == 0) break;
        const int point = Below(static_cast<int>(points));
        if (!panel.Scene().Net.Valid[static_cast<std::size_t>(point)]) break;
        const auto pixel = MarkerPixel(panel.Camera(), panel.Scene().Net.Points[point]);
        if (pixel && panel.ClientRect().Contains(*pixel))
          Drag(OnPanel(panel, *pixel), Below(41) - 20, Below(41) - 20, 2);
        break;
      }
      default:  // an arrow move of the selected point
        form->TableEdits->Select(row);
        panel.NudgeSelected(Below(3) - 1, Below(3) - 1);
        break;
    }
  }

  std::mt19937 random;
};

TEST_F(TableEdits, UndoAndRedoGiveBackEveryState) {
  TViewPanel& panel = Panel();
  session.PressKey('3');
  for (const unsigned seed : {1u, 2u, 3u}) {
    random.seed(seed);
    TTableEdits& edits = *form->TableEdits;
    std::vector<TTableState> states{edits.Capture()};
    for (int action = 0; action < 60; ++action) {
      const std::size_t before = edits.History().UndoCount();
      RandomEdit(panel);
      if (edits.History().UndoCount() != before) states.push_back(edits.Capture());
    }
    ASSERT_GT(states.size(), 20u) << seed;
    for (std::size_t k = states.size() - 1; k > 0; --k) {
      edits.Undo();
      ASSERT_TRUE(edits.Capture() == states[k - 1]) << seed << ": undo to " << k - 1;
    }
    for (std::size_t k = 1; k < states.size(); ++k) {
      edits.Redo();
      ASSERT_TRUE(edits.Capture() == states[k]) << seed << ": redo to " << k;
    }
    EXPECT_FALSE(edits.History().CanRedo());
    EXPECT_EQ(MessageCount(), 0u);
  }
}

// The keys of the main window: Ctrl+Z undoes, Ctrl+Y and Ctrl+Shift+Z redo; undoing a Reset
// gives the values back but leaves the buttons as Reset set them.
TEST_F(TableEdits, KeysUndoAndRedoWithoutTouchingTheButtons) {
  SizeTable(2, 2);
  Click(*form->BtnRandom);
  const TTableState filled = form->TableEdits->Capture();
  form->Reset1->Click();
  const TTableState reset = form->TableEdits->Capture();
  ClickCell(1, 1);
  const auto chord = [&](std::initializer_list<std::uint32_t> keys) {
    for (const std::uint32_t k : keys) platform::InputKey(k, true);
    for (auto k = std::rbegin(keys); k != std::rend(keys); ++k) platform::InputKey(*k, false);
  };
  chord({platform::VK_CONTROL, 'Z'});
  EXPECT_TRUE(form->TableEdits->Capture().Cells == filled.Cells);
  EXPECT_EQ(form->EdM->Text(), "2");
  EXPECT_FALSE(form->BtnRandom->Enabled());
  EXPECT_FALSE(form->Gambar->Enabled());
  chord({platform::VK_CONTROL, 'Y'});
  EXPECT_TRUE(form->TableEdits->Capture().Cells == reset.Cells);
  chord({platform::VK_CONTROL, 'Z'});
  chord({platform::VK_CONTROL, platform::VK_SHIFT, 'Z'});
  EXPECT_TRUE(form->TableEdits->Capture().Cells == reset.Cells);
}

}  // namespace
}  // namespace testing
}  // namespace Bezier
