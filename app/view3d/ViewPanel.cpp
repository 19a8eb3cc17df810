#include "app/view3d/ViewPanel.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

#include "app/Bezier.h"
#include "app/view3d/ViewRender.h"
#include "framework/controls/ControlMessages.h"
#include "platform/graphics/Canvas.h"
#include "platform/window/Input.h"
#include "platform/window/MessageParams.h"
#include "platform/window/Messages.h"
#include "skinengine/controls/sEdit.h"
#include "styled/suiGrid.h"

namespace Bezier {

using framework::TShiftState;

namespace {

// Each notch of the wheel zooms by this factor.
constexpr double ZoomPerNotch = 1.1;

// A coordinate of the table: rounded, halves to even, and held inside the 32-bit range.
std::int32_t TableCoordinate(double value) {
  constexpr double Low = std::numeric_limits<std::int32_t>::min();
  constexpr double High = std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(std::clamp(std::nearbyint(value), Low, High));
}

// The axis whose screen direction lies nearest the move, and how far along it the move goes.
TVec3 AlongNearestAxis(const TCamera& camera, double viewZ, double dx, double dy) {
  const auto steps = camera.AxisSteps(viewZ);
  int best = 0;
  double bestCos = -1;
  for (int k = 0; k < 3; ++k) {
    const auto& s = steps[static_cast<std::size_t>(k)];
    const double length = std::hypot(s[0], s[1]);
    const double cosine = length > 0 ? std::abs(s[0] * dx + s[1] * dy) / length : 0;
    if (cosine > bestCos) {
      bestCos = cosine;
      best = k;
    }
  }
  const auto& s = steps[static_cast<std::size_t>(best)];
  const double squared = s[0] * s[0] + s[1] * s[1];
  const double amount = squared > 0 ? (s[0] * dx + s[1] * dy) / squared : 0;
  TVec3 move;
  (best == 0 ? move.X : best == 1 ? move.Y : move.Z) = amount;
  return move;
}

// The first view: turned a little from looking along Z, so that the surface shows its depth.
TCamera FirstCamera() {
  TCamera camera;
  camera.Orbit(-45, -35, {});
  return camera;
}

}  // namespace

// A control point being moved by the mouse: one step of the table's history from press to
// release.
struct TViewPanel::TDrag {
  TDrag(TTableEdits& edits, int point, const TVec3& start, double viewZ, platform::TPoint from)
      : Step(edits), Point(point), Start(start), ViewZ(viewZ), From(from) {}
  TTableEdits::TStep Step;
  int Point;
  TVec3 Start;
  double ViewZ;
  platform::TPoint From;
};

TViewPanel::TViewPanel(framework::TComponent* owner, TForm1& table)
    : TCustomControl(owner), table_(table), edits_(*table.TableEdits), camera_(FirstCamera()) {
  listener_ = edits_.Listen([this] { TableChanged(); });
  TableChanged();
}

TViewPanel::~TViewPanel() {
  drag_.reset();
  edits_.Unlisten(listener_);
}

void TViewPanel::TableChanged() {
  const auto& grid = *table_.SGInput;
  scene_ = BuildScene(ReadNet(table_.EdM->Text(), table_.EdN->Text(),
                              [&grid](int col, int row) {
                                return row < grid.RowCount() ? grid.Cells(col, row) : std::string();
                              }),
                      options_);
  if (!fitted_) Refit();
  Invalidate();
}

void TViewPanel::SetOptions(const TViewOptions& options) {
  options_ = options;
  scene_ = BuildScene(std::move(scene_.Net), options_);
  Invalidate();
}

void TViewPanel::SetProjection(TProjection projection) {
  camera_.Projection = projection;
  FitToWindow();
}

void TViewPanel::ShowFixedView(TFixedView view) {
  if (view == TFixedView::Oblique) {
    camera_ = TCamera::ObliqueView();
    autoFit_ = false;
    Invalidate();
    return;
  }
  camera_.Oblique = false;
  camera_.Orientation = view == TFixedView::AlongX   ? TCamera::AlongX()
                        : view == TFixedView::AlongY ? TCamera::AlongY()
                                                     : TCamera::AlongZ();
  FitToWindow();
}

void TViewPanel::FitToWindow() {
  camera_.Oblique = false;
  autoFit_ = true;
  Refit();
}

void TViewPanel::Refit() {
  // Before the window has its size, the fit waits for it; the main window's picture stays.
  if (scene_.Bounds && ClientWidth() > 0 && ClientHeight() > 0 && !camera_.Oblique) {
    camera_.Fit(*scene_.Bounds, ValidPoints(scene_.Net), ClientWidth(), ClientHeight());
    fitted_ = true;
  }
  Invalidate();
}

int TViewPanel::SelectedPoint() const {
  const int point = edits_.Selected() - 1;
  return point >= 0 && point < static_cast<int>(scene_.Net.Points.size()) &&
                 scene_.Net.Valid[static_cast<std::size_t>(point)]
             ? point
             : -1;
}

void TViewPanel::WritePoint(int point, const TVec3& position) {
  const int row = scene_.Net.Row(point);
  auto& grid = *table_.SGInput;
  if (row >= grid.RowCount()) return;
  for (int axis = 0; axis < 3; ++axis)
    grid.SetCells(axis + 1, row, std::to_string(TableCoordinate(position[axis])));
  edits_.Changed();
}

void TViewPanel::Paint() {
  const int width = std::max(ClientWidth(), 0), height = std::max(ClientHeight(), 0);
  const TAxisEnds ends =
      RenderView(frame_, width, height, camera_, scene_, options_, SelectedPoint());
  platform::Canvas canvas(frame_.Pixels());
  DrawAxisNames(canvas, ends);
  canvas.GetFont().Color = ViewColors.Net;
  if (!scene_.Net.Hint.empty()) canvas.TextOut(8, 6, scene_.Net.Hint);
  if (const int point = SelectedPoint(); point >= 0) {
    const TVec3& p = scene_.Net.Points[static_cast<std::size_t>(point)];
    canvas.TextOut(8, height - 20,
                   "Titik " + std::to_string(point + 1) + ": X " +
                       std::to_string(TableCoordinate(p.X)) + ", Y " +
                       std::to_string(TableCoordinate(p.Y)) + ", Z " +
                       std::to_string(TableCoordinate(p.Z)));
  }
  if (platform::Canvas* target = Canvas()->Handle()) target->Draw(0, 0, frame_.Pixels());
}

void TViewPanel::WndProc(framework::TMessage& message) {
  if (message.Msg == platform::WM_MOUSEWHEEL) {
    const platform::TPoint at = ScreenToClient(platform::PointOf(message));
    autoFit_ = false;
    camera_.Zoom(std::pow(ZoomPerNotch, platform::WheelDeltaOf(message) /
                                            static_cast<double>(platform::WHEEL_DELTA)),
                 at.X, at.Y);
    Invalidate();
    message.Result = 0;
    return;
  }
  // A gesture that loses the mouse ends there, so that a drag's step never stays open.
  if (message.Msg == platform::WM_CAPTURECHANGED || message.Msg == platform::WM_CANCELMODE)
    EndGesture();
  // A fitted view stays fitted as the window changes its size.
  if (message.Msg == platform::WM_SIZE && (autoFit_ || !fitted_)) Refit();
  TCustomControl::WndProc(message);
}

void TViewPanel::MouseDown(framework::TMouseButton button, TShiftState shift, int x, int y) {
  TCustomControl::MouseDown(button, shift, x, y);
  SetFocus();
  last_ = {x, y};
  if (button == framework::mbMiddle ||
      (button == framework::mbLeft && shift.Contains(framework::ssShift))) {
    gesture_ = TGesture::Pan;
    return;
  }
  if (button != framework::mbLeft) return;
  const int point = PickPoint(camera_, scene_.Net, {x, y});
  edits_.Select(point >= 0 ? scene_.Net.Row(point) : -1);
  if (point < 0 || !options_.Net) {
    gesture_ = TGesture::Turn;
    return;
  }
  const TVec3& start = scene_.Net.Points[static_cast<std::size_t>(point)];
  drag_ = std::make_unique<TDrag>(edits_, point, start, camera_.ToView(start).Z, last_);
  gesture_ = TGesture::Drag;
}

void TViewPanel::MouseMove(TShiftState shift, int x, int y) {
  TCustomControl::MouseMove(shift, x, y);
  const double dx = x - last_.X, dy = y - last_.Y;
  switch (gesture_) {
    case TGesture::Turn:
      if (scene_.Bounds) camera_.Orbit(dx, dy, scene_.Bounds->Centre());
      autoFit_ = false;
      Invalidate();
      break;
    case TGesture::Pan:
      camera_.Pan(dx, dy);
      autoFit_ = false;
      Invalidate();
      break;
    case TGesture::Drag:
      DragTo(shift, x, y);
      break;
    case TGesture::None:
      break;
  }
  last_ = {x, y};
}

void TViewPanel::DragTo(TShiftState shift, int x, int y) {
  // From where the drag began, so that rounding never adds up.
  const double dx = x - drag_->From.X, dy = y - drag_->From.Y;
  const TVec3 move = shift.Contains(framework::ssCtrl)
                         ? AlongNearestAxis(camera_, drag_->ViewZ, dx, dy)
                         : camera_.ScreenMove(dx, dy, drag_->ViewZ);
  WritePoint(drag_->Point, drag_->Start + move);
}

void TViewPanel::MouseUp(framework::TMouseButton button, TShiftState shift, int x, int y) {
  TCustomControl::MouseUp(button, shift, x, y);
  EndGesture();
}

void TViewPanel::EndGesture() {
  gesture_ = TGesture::None;
  drag_.reset();
}

void TViewPanel::NudgeSelected(int dx, int dy) {
  const int point = SelectedPoint();
  if (point < 0 || gesture_ == TGesture::Drag) return;
  const TVec3& at = scene_.Net.Points[static_cast<std::size_t>(point)];
  const TVec3 screen = AlongNearestAxis(camera_, camera_.ToView(at).Z, dx, dy);
  // One unit along that axis, whatever the zoom.
  const TVec3 unit{screen.X > 0   ? 1.0
                   : screen.X < 0 ? -1.0
                                  : 0.0,
                   screen.Y > 0   ? 1.0
                   : screen.Y < 0 ? -1.0
                                  : 0.0,
                   screen.Z > 0   ? 1.0
                   : screen.Z < 0 ? -1.0
                                  : 0.0};
  edits_.AsOneStep([&] { WritePoint(point, at + unit); });
}

void TViewPanel::KeyDown(std::uint16_t& key, TShiftState shift) {
  TCustomControl::KeyDown(key, shift);
  switch (key) {
    case platform::VK_LEFT:
      NudgeSelected(-1, 0);
      break;
    case platform::VK_RIGHT:
      NudgeSelected(1, 0);
      break;
    case platform::VK_UP:
      NudgeSelected(0, -1);
      break;
    case platform::VK_DOWN:
      NudgeSelected(0, 1);
      break;
    default:
      return;
  }
  key = 0;
}

}  // namespace Bezier
