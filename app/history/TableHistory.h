#pragma once

#include <cstddef>
#include <deque>
#include <optional>
#include <vector>

#include "app/history/TableStep.h"

namespace Bezier {

// The undo and redo stacks of the table. The oldest steps go once there are more than
// MaxSteps, or once they hold more than MaxBytes (only tables of thousands of rows filled at
// random many times over come near that).
class TTableHistory {
 public:
  static constexpr std::size_t MaxSteps = 1000;
  static constexpr std::size_t MaxBytes = std::size_t{256} << 20;

  // A new step; whatever could be redone is gone.
  void Record(TTableStep step);
  // The step to carry out to go back (or forward) one step; none when there is nothing.
  std::optional<TTableStep> Undo();
  std::optional<TTableStep> Redo();

  bool CanUndo() const { return !done_.empty(); }
  bool CanRedo() const { return !undone_.empty(); }
  std::size_t UndoCount() const { return done_.size(); }
  // Undos and redos carried out so far, for watchers that tell them from new steps.
  std::size_t Moves() const { return moves_; }

 private:
  std::deque<TTableStep> done_;
  std::vector<TTableStep> undone_;
  std::size_t bytes_ = 0;
  std::size_t moves_ = 0;
};

}  // namespace Bezier
