#pragma once

#include <span>

#include "framework/forms/Menus.h"

namespace Bezier {

class TTableEdits;
class TViewPanel;

// A command of the view's menu bar: the menu it is in, its caption ("-" for a line), its key,
// what it does and, for an option, whether it is on.
struct TViewCommand {
  const char* Menu;
  const char* Caption;
  framework::TShortCut Key;
  void (*Run)(TViewPanel& panel, TTableEdits& edits);
  bool (*Checked)(const TViewPanel& panel);
};

// In menu order: "File" with the view's picture and mesh, "Tampilan"; the view's menu bar ends with
// "Sunting": undo and redo of the table.
std::span<const TViewCommand> ViewCommands();

}  // namespace Bezier
