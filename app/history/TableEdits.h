#pragma once

#include <functional>
#include <map>

#include "app/history/TableHistory.h"
#include "app/history/TableStep.h"
#include "framework/forms/Menus.h"

namespace Bezier {

class TForm1;

// The keys of undo and redo, wherever they are offered.
inline constexpr framework::TShortCut UndoKey = framework::scCtrl | 'Z';
inline constexpr framework::TShortCut RedoKey = framework::scCtrl | 'Y';
inline constexpr framework::TShortCut RedoKeyToo = framework::scCtrl | framework::scShift | 'Z';

// Change tracking of the main window's table. Every source of a change of its values (typing
// and clearing cells, "Nilai (M x N)", "Randomize", Tabel > Reset, File > Open, and the 3-D
// view's moves) runs inside a step; what a step changed becomes one entry of the history.
// The stated handlers stay as they are: tracking wraps them from outside. Undo and redo write
// the table's values and the selected point back, never the enabling state, and draw nothing.
class TTableEdits {
 public:
  // Wraps the form's handlers and binds Tabel > "Urungkan" and "Ulangi" with their keys.
  explicit TTableEdits(TForm1& form);
  TTableEdits(const TTableEdits&) = delete;
  TTableEdits& operator=(const TTableEdits&) = delete;

  // While one is open, every change of the table is part of one step; steps opened inside it
  // join it.
  class TStep {
   public:
    explicit TStep(TTableEdits& edits);
    ~TStep();
    TStep(const TStep&) = delete;
    TStep& operator=(const TStep&) = delete;

   private:
    TTableEdits& edits_;
  };
  // Runs edit as one undoable step, whatever cells it changes (a paste, a drag).
  template <class F>
  void AsOneStep(F&& edit) {
    TStep step(*this);
    edit();
  }

  void Undo();
  void Redo();
  // Gives a menu item the command and its keys.
  void BindUndo(framework::TMenuItem& item);
  void BindRedo(framework::TMenuItem& item);
  const TTableHistory& History() const { return history_; }

  // The selected point's table row, -1 for none. Selecting a row selects it in the table too.
  int Selected() const { return selected_; }
  void Select(int row);

  // The table as it stands.
  TTableState Capture() const;

  // Listeners hear of every change of the table's values or of the selection, once it is done.
  using TListener = std::function<void()>;
  int Listen(TListener listener);
  void Unlisten(int id);
  // Tells the listeners now, for changes made inside a step that is still open.
  void Changed();

 private:
  void Begin();
  void End();
  void Write(const TTableStep& step);
  template <class Event>
  void Wrap(Event& event);

  TForm1& form_;
  TTableHistory history_;
  int depth_ = 0;
  TTableState before_;
  int selected_ = -1;
  int stepSelected_ = -1;   // at the end of the last step, undo or redo
  int beganSelected_ = -1;  // when the open step began
  std::map<int, TListener> listeners_;
  int nextListener_ = 0;
};

}  // namespace Bezier
