#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "framework/classes/Component.h"
#include "framework/classes/Events.h"
#include "framework/controls/ControlMessages.h"
#include "framework/graphics/Font.h"
#include "framework/runtime/Exceptions.h"
#include "platform/graphics/Geometry.h"
#include "platform/window/WindowTypes.h"

namespace framework {

class TPopupMenu;
class TWinControl;
using platform::TMessage;
using platform::TPoint;
using platform::TRect;

// Misuse of controls: a parent loop, a control with no window to live in.
class EInvalidOperation : public Exception {
 public:
  using Exception::Exception;
};

// Where a control sits in its parent's client area: glued to a side, filling what the
// others leave, or where its bounds say.
enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
extern const TEnumType AlignType;

enum TControlStyleFlag { csAcceptsControls, csCaptureMouse, csClickEvents, csDoubleClicks };
using TControlStyle = TSet<TControlStyleFlag>;

// A control's message path: WindowProc, then WndProc, then DefaultHandler.
using TWndMethod = std::function<void(TMessage&)>;

// Something visible on a form: bounds in its parent's client area, visibility, enabling,
// colour and font (inherited from the parent while ParentColor or ParentFont is set), hint,
// and mouse events. Every message reaches it through WindowProc, which a later class (a
// skin's style object) may replace to see each message first and pass it on to the method
// it replaced.
class TControl : public TComponent {
 public:
  explicit TControl(TComponent* owner);
  ~TControl() override;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  TWndMethod WindowProc;
  // Sends a message through WindowProc at once and answers its result.
  platform::LRESULT Perform(std::uint32_t msg, platform::WPARAM wParam = 0,
                            platform::LPARAM lParam = 0);

  TWinControl* Parent() const { return parent_; }
  // Raises EInvalidOperation when parent is this control or lies inside it.
  virtual void SetParent(TWinControl* parent);
  TComponent* GetParentComponent() const override;
  void SetParentComponent(TComponent* parent) override;

  int Left() const { return bounds_.Left; }
  int Top() const { return bounds_.Top; }
  int Width() const { return bounds_.Width(); }
  int Height() const { return bounds_.Height(); }
  void SetLeft(int left) { SetBounds(left, Top(), Width(), Height()); }
  void SetTop(int top) { SetBounds(Left(), top, Width(), Height()); }
  void SetWidth(int width) { SetBounds(Left(), Top(), width, Height()); }
  void SetHeight(int height) { SetBounds(Left(), Top(), Width(), height); }
  // Negative sizes become 0.
  virtual void SetBounds(int left, int top, int width, int height);
  TRect BoundsRect() const { return bounds_; }
  TAlign Align() const { return align_; }
  void SetAlign(TAlign align);
  virtual TRect ClientRect() const { return {0, 0, Width(), Height()}; }
  int ClientWidth() const { return ClientRect().Width(); }
  int ClientHeight() const { return ClientRect().Height(); }
  // The screen position of the client area's top-left corner.
  virtual TPoint ClientOrigin() const;
  TPoint ClientToScreen(TPoint p) const { return p + ClientOrigin(); }
  TPoint ScreenToClient(TPoint p) const { return p - ClientOrigin(); }

  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  // Visible, and so are all its parents.
  bool Showing() const;
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);

  platform::TColor Color() const { return color_; }
  void SetColor(platform::TColor color);
  bool ParentColor() const { return parentColor_; }
  void SetParentColor(bool parentColor);
  TFont* Font() const { return font_.get(); }
  void SetFont(const TFont* font) { font_->Assign(font); }
  bool ParentFont() const { return parentFont_; }
  void SetParentFont(bool parentFont);

  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& hint) { hint_ = hint; }
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool showHint);
  // ShowHint follows the parent's until set on the control.
  bool ParentShowHint() const { return parentShowHint_; }
  void SetParentShowHint(bool parentShowHint);
  // Opens where the control is clicked with the right button.
  TPopupMenu* PopupMenu() const { return popupMenu_; }
  void SetPopupMenu(TPopupMenu* menu);

  // The caption or text; classes publish it under the name they use.
  const std::string& Caption() const { return text_; }
  void SetCaption(const std::string& caption) { SetText(caption); }
  const std::string& Text() const { return text_; }
  virtual void SetText(const std::string& text);

  TControlStyle ControlStyle() const { return controlStyle_; }
  void SetControlStyle(TControlStyle style) { controlStyle_ = style; }

  // Moves the control below its siblings: painted before them, hit after them.
  void SendToBack();

  // Marks the control for painting; Update paints what is marked, Repaint does both.
  virtual void Invalidate();
  virtual void Update();
  void Repaint();
  bool MouseCapture() const;
  virtual void SetMouseCapture(bool capture);

  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TMouseEvent OnMouseDown;
  TMouseMoveEvent OnMouseMove;
  TMouseEvent OnMouseUp;
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;

 protected:
  virtual void WndProc(TMessage& message);
  // What a message becomes when nothing else handles it; nothing for a control that has no
  // window of its own.
  virtual void DefaultHandler(TMessage& message);

  virtual void Click();
  virtual void DblClick();
  virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseMove(TShiftState shift, int x, int y);
  virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseEnter();
  virtual void MouseLeave();
  // Run on CM_VISIBLECHANGED and CM_ENABLEDCHANGED, after the flag changed.
  virtual void VisibleChanged();
  virtual void EnabledChanged();
  void Notification(TComponent* component, TOperation operation) override;

 private:
  friend class TWinControl;

  void HandleMouse(TMessage& message);
  void RealignParent();
  void InheritColor();
  void InheritFont();
  void InheritShowHint();

  TWinControl* parent_ = nullptr;
  TRect bounds_;
  TAlign align_ = alNone;
  bool visible_ = true;
  bool enabled_ = true;
  platform::TColor color_ = platform::clBtnFace;
  bool parentColor_ = true;
  std::unique_ptr<TFont> font_;
  bool parentFont_ = true;
  bool inheritingFont_ = false;
  std::string hint_;
  bool showHint_ = false;
  bool parentShowHint_ = true;
  TPopupMenu* popupMenu_ = nullptr;
  std::string text_;
  TControlStyle controlStyle_{csCaptureMouse, csClickEvents, csDoubleClicks};
  bool clicked_ = false;
};

// The shift state of a mouse message's WParam, with Alt from the keyboard.
TShiftState MouseShift(platform::WPARAM wParam);
// The keyboard's shift state now.
TShiftState KeyboardShift();

}  // namespace framework
