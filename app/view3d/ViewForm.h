#pragma once

#include "app/view3d/ViewPanel.h"
#include "framework/forms/Form.h"

namespace framework {
class TMainMenu;
class TMenuItem;
}  // namespace framework

namespace Bezier {

class TForm1;

// The 3-D view's window: a skinned, resizable window with its menu bar and the drawing area.
// Closing it only hides it, so that it keeps its camera and place while the tool runs.
class TViewForm : public framework::TForm {
 public:
  static constexpr const char* Name = "View3DForm";
  TViewForm(framework::TComponent* owner, TForm1& table);

  TViewPanel& Panel() const { return *panel_; }
  // The view's menu item with that caption (every command is in the menu).
  framework::TMenuItem* Command(const char* caption) const;
  // Shows the window where it stood last, on the work area, and brings it to the front.
  void Open();
  // Check marks after the options changed.
  void UpdateChecks();

 protected:
  void VisibleChanged() override;

 private:
  void BuildMenu();

  framework::TMainMenu* menu_ = nullptr;
  TViewPanel* panel_ = nullptr;
};

// Binds Tampilan > "Tampilan 3-D" of the main window: it opens the view, made at first use.
void InstallView3D(TForm1& form);

}  // namespace Bezier
