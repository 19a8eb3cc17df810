#include "app/history/TableHistory.h"

#include <utility>

namespace Bezier {

void TTableHistory::Record(TTableStep step) {
  undone_.clear();
  bytes_ += step.Bytes();
  done_.push_back(std::move(step));
  while (done_.size() > MaxSteps || (bytes_ > MaxBytes && done_.size() > 1)) {
    bytes_ -= done_.front().Bytes();
    done_.pop_front();
  }
}

std::optional<TTableStep> TTableHistory::Undo() {
  if (done_.empty()) return std::nullopt;
  ++moves_;
  TTableStep step = std::move(done_.back());
  done_.pop_back();
  bytes_ -= step.Bytes();
  undone_.push_back(step);
  return Reversed(std::move(step));
}

std::optional<TTableStep> TTableHistory::Redo() {
  if (undone_.empty()) return std::nullopt;
  ++moves_;
  TTableStep step = std::move(undone_.back());
  undone_.pop_back();
  bytes_ += step.Bytes();
  done_.push_back(step);
  return step;
}

}  // namespace Bezier
