#include "core/stats/Analysis.h"

namespace tally {

void UndoHistory::reset(const Analysis& state) {
  states_.assign(1, state);
  position_ = 0;
}

bool UndoHistory::record(const Analysis& state) {
  if (state.sameContent(current())) return false;
  states_.resize(position_ + 1);
  states_.push_back(state);
  if (states_.size() > limit_ + 1) states_.erase(states_.begin());
  position_ = states_.size() - 1;
  return true;
}

const Analysis& UndoHistory::undo() {
  if (canUndo()) --position_;
  return current();
}

const Analysis& UndoHistory::redo() {
  if (canRedo()) ++position_;
  return current();
}

}  // namespace tally
