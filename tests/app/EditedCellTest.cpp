// The edited cell after the table shrank past it: typing and double clicks act on the cell
// the grid kept current, never on a row that is gone.
#include "tests/app/MainWindowSupport.h"
#include "tests/app/MenuPlaces.h"

namespace Bezier::testing {
namespace {

class EditedCell : public MainWindow {
 public:
  void SizeTo2x2() { SizeTable(2, 2); }
  void OpenA2x2File() {
    tempfiles::WriteBytes(folder.Path("a.txt"), "2x2\r\n1 1 1\r\n2 2 2\r\n3 3 3\r\n4 4 4\r\n");
    Backend().AnswerFileDialog(folder.Path("a.txt"));
    ChooseMenuItem(menus::Open.Bar, menus::Open.Item);
  }
};

TEST_F(EditedCell, FollowsTheCurrentCellWhenTheTableShrinksPastIt) {
  const std::pair<const char*, void (EditedCell::*)()> shrinks[] = {
      {"Nilai (M x N)", &EditedCell::SizeTo2x2},
      {"File > Open", &EditedCell::OpenA2x2File},
  };
  for (const auto& [how, shrinkTo2x2] : shrinks) {
    SCOPED_TRACE(how);
    SizeTable(3, 3);
    ClickCell(2, 8);
    (this->*shrinkTo2x2)();
    ASSERT_EQ(form->SGInput->RowCount(), 5);
    EXPECT_EQ(form->SelectedRow, form->SGInput->Row());
    form->SGInput->SetCells(2, 4, "4");
    ClickCell(2, 4);  // a click on the current cell selects nothing new
    session.TypeText("2");
    EXPECT_EQ(form->SGInput->Cells(2, 4), "42");
    session.PressKey(platform::VK_BACK);
    EXPECT_EQ(form->SGInput->Cells(2, 4), "4");
    EXPECT_EQ(MessageCount(), 0u);
    Click(*form->Gambar);  // so that Nilai (M x N) is enabled again
  }
}

}  // namespace
}  // namespace Bezier::testing
