#include "app/history/TableEdits.h"

#include <string>
#include <utility>

#include "app/Bezier.h"
#include "framework/forms/Menus.h"
#include "framework/runtime/Exceptions.h"
#include "skinengine/controls/sCustomButton.h"
#include "skinengine/controls/sEdit.h"
#include "styled/suiGrid.h"

namespace Bezier {

using framework::TMenuItem;
using framework::TObject;

namespace {

TMenuItem& MenuItem(TForm1& form, const char* name) {
  auto* item = dynamic_cast<TMenuItem*>(form.FindComponent(name));
  if (!item) throw framework::Exception(std::string("The main menu has no item ") + name);
  return *item;
}

}  // namespace

TTableEdits::TStep::TStep(TTableEdits& edits) : edits_(edits) {
  edits_.Begin();
}

TTableEdits::TStep::~TStep() {
  edits_.End();
}

template <class Event>
void TTableEdits::Wrap(Event& event) {
  event = [this, inner = std::move(event)](auto&&... args) {
    TStep step(*this);
    if (inner) inner(args...);
  };
}

TTableEdits::TTableEdits(TForm1& form) : form_(form) {
  Wrap(form.SGInput->OnKeyPress);
  Wrap(form.SGInput->OnDblClick);
  Wrap(form.BtMxN->OnClick);
  Wrap(form.BtnRandom->OnClick);
  Wrap(form.Reset1->OnClick);
  Wrap(form.Open->OnClick);
  // The selected point follows the table's current row.
  form.SGInput->OnSelectCell = [this, inner = std::move(form.SGInput->OnSelectCell)](
                                   TObject* sender, int col, int row, bool& canSelect) {
    if (inner) inner(sender, col, row, canSelect);
    if (!canSelect || selected_ == row) return;
    selected_ = row;
    if (depth_ == 0) Changed();
  };
  BindUndo(MenuItem(form, "Undo1"));
  BindRedo(MenuItem(form, "Redo1"));
}

void TTableEdits::BindUndo(TMenuItem& item) {
  item.SetShortCut(UndoKey);
  item.OnClick = [this](TObject*) { Undo(); };
}

void TTableEdits::BindRedo(TMenuItem& item) {
  item.SetShortCut(RedoKey);
  item.SetSecondaryShortCuts({RedoKeyToo});
  item.OnClick = [this](TObject*) { Redo(); };
}

TTableState TTableEdits::Capture() const {
  const auto& grid = *form_.SGInput;
  TTableState state;
  state.Fields = {form_.EdM->Text(), form_.EdN->Text()};
  state.Cells.resize(static_cast<std::size_t>(grid.RowCount()));
  for (int r = 0; r < grid.RowCount(); ++r) {
    for (int c = 0; c < 4; ++c) state.Cells[static_cast<std::size_t>(r)][c] = grid.Cells(c, r);
  }
  state.Selected = selected_;
  return state;
}

void TTableEdits::Begin() {
  if (depth_++ != 0) return;
  before_ = Capture();
  beganSelected_ = selected_;
  // Undo goes back to the state after the step before, selection included.
  before_.Selected = stepSelected_;
}

void TTableEdits::End() {
  if (--depth_ != 0) return;
  TTableStep step = Difference(before_, Capture());
  before_ = {};
  const bool reselected = selected_ != beganSelected_;
  if (!step.Empty()) {
    stepSelected_ = selected_;
    history_.Record(std::move(step));
  } else if (!reselected) {
    return;
  }
  Changed();
}

void TTableEdits::Undo() {
  if (depth_ != 0) return;
  if (std::optional<TTableStep> step = history_.Undo()) Write(*step);
}

void TTableEdits::Redo() {
  if (depth_ != 0) return;
  if (std::optional<TTableStep> step = history_.Redo()) Write(*step);
}

void TTableEdits::Write(const TTableStep& step) {
  auto& grid = *form_.SGInput;
  if (grid.RowCount() != step.RowsAfter) form_.SetTableRows(step.RowsAfter);
  for (const TCellChange& c : step.Cells) {
    if (c.Row < step.RowsAfter) grid.SetCells(c.Col, c.Row, c.After);
  }
  if (step.FieldsBefore[0] != step.FieldsAfter[0]) form_.EdM->SetText(step.FieldsAfter[0]);
  if (step.FieldsBefore[1] != step.FieldsAfter[1]) form_.EdN->SetText(step.FieldsAfter[1]);
  Select(step.SelectedAfter);
  stepSelected_ = selected_;
  Changed();
}

void TTableEdits::Select(int row) {
  if (row >= form_.SGInput->FixedRows() && row < form_.SGInput->RowCount() &&
      row != form_.SGInput->Row())
    form_.SGInput->SetRow(row);
  if (selected_ == row) return;
  selected_ = row;
  Changed();
}

int TTableEdits::Listen(TListener listener) {
  listeners_.emplace(nextListener_, std::move(listener));
  return nextListener_++;
}

void TTableEdits::Unlisten(int id) {
  listeners_.erase(id);
}

void TTableEdits::Changed() {
  // A listener may stop listening while it is told.
  const auto listeners = listeners_;
  for (const auto& [id, listener] : listeners) listener();
}

}  // namespace Bezier
