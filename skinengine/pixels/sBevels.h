#pragma once

namespace sBevels {

// The bevel drawn along a control's edges.
enum TsControlBevel : int {
  cbNone = 0,
  cbRaisedSoft = 1,
  cbLoweredSoft = 2,
  cbRaisedHard = 3,
  cbLoweredHard = 4,
};

// The bevel of an editor's selection (focus) border; also the kind of a line frame.
enum TsEditorBevel : int {
  ebNone = 0,
  ebRaised = 1,
  ebLowered = 2,
  ebAsTopBorder = 3,
  ebAsBottomBorder = 4,
};

}  // namespace sBevels
