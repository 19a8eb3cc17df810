#pragma once

#include <cstdint>
#include <vector>

#include "framework/controls/Control.h"
#include "platform/graphics/Canvas.h"
#include "platform/window/WindowTypes.h"

namespace framework {

// A control with a platform window of its own: it holds child controls, takes the focus
// and the keys, and paints its graphic children itself. Its window's messages go through
// WindowProc like every control's; an exception that escapes their handling goes to the
// application's handler and ends there.
class TWinControl : public TControl {
 public:
  explicit TWinControl(TComponent* owner);
  ~TWinControl() override;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  // The window, made on first need; raises EInvalidOperation for a child control whose
  // parent chain does not end in a window.
  platform::HWND Handle();
  bool HandleAllocated() const { return handle_ != platform::NullWindow; }
  void HandleNeeded() { Handle(); }

  int ControlCount() const { return static_cast<int>(controls_.size()); }
  TControl* Controls(int index) const;  // EListError outside 0..ControlCount()-1
  // The topmost visible child at a client point, enabled unless allowDisabled.
  TControl* ControlAtPos(TPoint p, bool allowDisabled = false) const;
  // This control or one inside it.
  bool ContainsControl(const TControl* control) const;

  bool TabStop() const { return tabStop_; }
  void SetTabStop(bool tabStop);
  // The place in the parent's tab order; out of range moves it to the end.
  int TabOrder() const;
  void SetTabOrder(int order);
  // Visible and enabled, with every parent.
  bool CanFocus() const;
  bool Focused() const;
  // Raises EInvalidOperation when the control cannot take the focus.
  virtual void SetFocus();
  // The windowed controls inside this one, depth first in tab order.
  std::vector<TWinControl*> TabOrderList() const;
  // The next (or previous) focusable control after current, wrapping around.
  TWinControl* FindNextControl(const TWinControl* current, bool forward, bool checkTabStop) const;
  void SelectNext(const TWinControl* current, bool forward, bool checkTabStop);

  void SetParent(TWinControl* parent) override;
  void SetBounds(int left, int top, int width, int height) override;
  TRect ClientRect() const override;
  TPoint ClientOrigin() const override;
  void Invalidate() override;
  void Update() override;
  void SetMouseCapture(bool capture) override;

  // The inner border inside the frame, which the client area leaves out; at most 1000.
  int BorderWidth() const { return borderWidth_; }
  void SetBorderWidth(int width);
  // Places the aligned children; runs by itself when sizes, alignments or children change.
  void AlignControls();

  // Paints the visible graphic children onto a canvas of this control's client area.
  void PaintControls(platform::Canvas& canvas);
  // Sends a message to every child control.
  void NotifyControls(std::uint32_t msg);

  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;
  TKeyEvent OnKeyDown;
  TKeyPressEvent OnKeyPress;
  TKeyEvent OnKeyUp;

 protected:
  virtual void CreateParams(platform::CreateParams& params);
  virtual void CreateHandle();
  void DestroyHandle();
  void WndProc(TMessage& message) override;
  // The platform's own handling.
  void DefaultHandler(TMessage& message) override;
  // Paints the client area before the graphic children; the background is erased already.
  virtual void PaintWindow(platform::Canvas& canvas);

  virtual void KeyDown(std::uint16_t& key, TShiftState shift);
  virtual void KeyPress(char& key);
  virtual void KeyUp(std::uint16_t& key, TShiftState shift);
  virtual void DoEnter();
  virtual void DoExit();
  // Tab, Return, Escape and the arrows are the form's unless the control takes them.
  virtual bool WantsKey(std::uint16_t key) const;
  // Told to the top-level control when a control leaves its tree.
  virtual void ControlRemoved(TControl* control);
  void VisibleChanged() override;
  void EnabledChanged() override;
  TWinControl* TopParent();

 private:
  friend class TControl;

  void MainWndProc(platform::HWND window, TMessage& message);
  void InsertControl(TControl* control);
  void RemoveControl(TControl* control);
  bool RouteMouse(TMessage& message);
  void HandleKeyDown(TMessage& message);
  void HandleChar(TMessage& message);
  void HandlePaint(TMessage& message);
  void PaintHandler(platform::Canvas& canvas);

  std::vector<TControl*> controls_;  // bottom first
  std::vector<TWinControl*> tabList_;
  platform::HWND handle_ = platform::NullWindow;
  TControl* captureControl_ = nullptr;
  bool tabStop_ = false;
  int wantedTabOrder_ = -1;
  bool swallowChar_ = false;
  int borderWidth_ = 0;
  bool aligning_ = false;
};

}  // namespace framework
