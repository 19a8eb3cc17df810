#pragma once

#include <memory>
#include <optional>

#include "app/history/TableEdits.h"
#include "app/view3d/Camera.h"
#include "app/view3d/ViewFrame.h"
#include "app/view3d/ViewScene.h"
#include "framework/controls/CustomControl.h"

namespace Bezier {

class TForm1;

// The fixed views of the keys 1, 2, 3 and 0.
enum class TFixedView { AlongX, AlongY, AlongZ, Oblique };

// The 3-D view's drawing area: it shows the main window's table as a surface, turns, zooms
// and pans by the mouse, and moves the selected control point by mouse and arrow keys,
// writing the table as it goes.
class TViewPanel : public framework::TCustomControl {
 public:
  TViewPanel(framework::TComponent* owner, TForm1& table);
  ~TViewPanel() override;

  const TCamera& Camera() const { return camera_; }
  const TViewOptions& Options() const { return options_; }
  const TViewScene& Scene() const { return scene_; }
  const TViewFrame& Frame() const { return frame_; }
  TTableEdits& Edits() const { return edits_; }
  // The selected point, as an index into the net; -1 for none.
  int SelectedPoint() const;

  void SetOptions(const TViewOptions& options);
  void SetProjection(TProjection projection);
  void ShowFixedView(TFixedView view);
  // Fits the surface into the window, the orientation kept, and keeps it fitted as the window
  // changes its size until the camera is moved.
  void FitToWindow();
  // Ends a turn, pan or drag; a drag's step is recorded as it stands.
  void EndGesture();
  // Moves the selected point one unit along the axis nearest the screen direction (dx, dy).
  void NudgeSelected(int dx, int dy);

 protected:
  void Paint() override;
  void WndProc(framework::TMessage& message) override;
  void MouseDown(framework::TMouseButton button, framework::TShiftState shift, int x,
                 int y) override;
  void MouseMove(framework::TShiftState shift, int x, int y) override;
  void MouseUp(framework::TMouseButton button, framework::TShiftState shift, int x, int y) override;
  void KeyDown(std::uint16_t& key, framework::TShiftState shift) override;

 private:
  enum class TGesture { None, Turn, Pan, Drag };
  struct TDrag;

  void TableChanged();
  void Refit();
  // Writes the point's table row.
  void WritePoint(int point, const TVec3& position);
  void DragTo(framework::TShiftState shift, int x, int y);

  TForm1& table_;
  TTableEdits& edits_;
  int listener_;
  TCamera camera_;
  bool fitted_ = false;  // once there was a surface to fit
  bool autoFit_ = true;  // fitted and not moved since: a new size fits again
  TViewOptions options_;
  TViewScene scene_;
  TViewFrame frame_;
  TGesture gesture_ = TGesture::None;
  platform::TPoint last_{};
  std::unique_ptr<TDrag> drag_;
};

}  // namespace Bezier
