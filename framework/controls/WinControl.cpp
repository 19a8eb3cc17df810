#include "framework/controls/WinControl.h"

#include <algorithm>

#include "framework/classes/ClassBuilder.h"
#include "framework/controls/ControlCanvas.h"
#include "framework/controls/HandleException.h"
#include "framework/controls/MouseControl.h"
#include "platform/window/Input.h"
#include "platform/window/MessageParams.h"
#include "platform/window/Messages.h"
#include "platform/window/Paint.h"
#include "platform/window/Windows.h"

namespace framework {

using namespace platform;

namespace {
// How deep the window procedures are nested; canvases fetched outside painting are let go
// when the outermost one returns.
int dispatchDepth = 0;

bool IsDialogKey(std::uint16_t key) {
  return key == VK_TAB || key == VK_RETURN || key == VK_ESCAPE ||
         (key >= VK_LEFT && key <= VK_DOWN);
}

// Keys whose press also types a character, which the dialog key handling eats.
bool TypesCharacter(std::uint16_t key) {
  return key == VK_TAB || key == VK_RETURN || key == VK_ESCAPE;
}
}  // namespace

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
  while (!controls_.empty()) controls_.back()->SetParent(nullptr);
  DestroyHandle();
  if (Parent()) Parent()->RemoveControl(this);
}

const TClassInfo& TWinControl::StaticClassInfo() {
  using W = TWinControl;
  static const TClassInfo info = TClassBuilder<W, TControl>("TWinControl")
                                     .Int("BorderWidth", &W::BorderWidth, &W::SetBorderWidth, 0)
                                     .Int("TabOrder", &W::TabOrder, &W::SetTabOrder, -1)
                                     .Bool("TabStop", &W::TabStop, &W::SetTabStop, false)
                                     .Event("OnEnter", &W::OnEnter)
                                     .Event("OnExit", &W::OnExit)
                                     .Event("OnKeyDown", &W::OnKeyDown)
                                     .Event("OnKeyPress", &W::OnKeyPress)
                                     .Event("OnKeyUp", &W::OnKeyUp)
                                     .Build();
  return info;
}

HWND TWinControl::Handle() {
  if (!HandleAllocated()) {
    if (Parent()) Parent()->HandleNeeded();
    CreateHandle();
  }
  return handle_;
}

void TWinControl::CreateParams(platform::CreateParams& params) {
  params.Caption = Text();
  params.Style = WS_CHILD | (Visible() ? WS_VISIBLE : 0) | (Enabled() ? 0 : WS_DISABLED);
  params.ClassStyle = CS_DBLCLKS;
  params.Bounds = BoundsRect();
  params.Parent = Parent() ? Parent()->handle_ : NullWindow;
  params.Proc = [this](HWND window, TMessage& m) { MainWndProc(window, m); };
}

void TWinControl::CreateHandle() {
  if (HandleAllocated()) return;
  platform::CreateParams params;
  CreateParams(params);
  if ((params.Style & WS_CHILD) && params.Parent == NullWindow)
    throw EInvalidOperation(Format("Control '%s' has no parent window", {Name()}));
  const HWND window = CreateWindow(params);
  if (window == NullWindow)
    throw EInvalidOperation(Format("Cannot create the window of '%s'", {Name()}));
  handle_ = window;
  SetWindowBackground(window, Color());
  for (TControl* control : controls_)
    if (auto* child = dynamic_cast<TWinControl*>(control)) child->CreateHandle();
}

void TWinControl::DestroyHandle() {
  if (!HandleAllocated()) return;
  const HWND window = handle_;
  handle_ = NullWindow;
  // Nothing of this object may run while the window goes: it may be half destroyed.
  SetWindowProc(window, DefWindowProc);
  for (TControl* control : controls_)
    if (auto* child = dynamic_cast<TWinControl*>(control)) child->DestroyHandle();
  platform::DestroyWindow(window);
}

void TWinControl::MainWndProc(HWND window, TMessage& m) {
  if (handle_ == NullWindow) handle_ = window;
  ++dispatchDepth;
  try {
    WindowProc(m);
  } catch (const std::exception& e) {
    HandleException(e);
  }
  if (m.Msg == WM_NCDESTROY && handle_ == window) handle_ = NullWindow;
  if (--dispatchDepth == 0) FreeDeviceContexts();
}

TControl* TWinControl::Controls(int index) const {
  if (index < 0 || index >= ControlCount()) throw EListError(index);
  return controls_[static_cast<std::size_t>(index)];
}

TControl* TWinControl::ControlAtPos(TPoint p, bool allowDisabled) const {
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    TControl* control = *it;
    if (control->Visible() && (allowDisabled || control->Enabled()) &&
        control->BoundsRect().Contains(p))
      return control;
  }
  return nullptr;
}

bool TWinControl::ContainsControl(const TControl* control) const {
  for (const TControl* c = control; c; c = c->Parent())
    if (c == this) return true;
  return false;
}

void TWinControl::InsertControl(TControl* control) {
  controls_.push_back(control);
  control->parent_ = this;
  if (control->Align() != alNone) AlignControls();
  auto* window = dynamic_cast<TWinControl*>(control);
  if (!window) {
    control->Invalidate();
    return;
  }
  const int wanted = window->wantedTabOrder_;
  if (wanted >= 0 && wanted < static_cast<int>(tabList_.size())) {
    tabList_.insert(tabList_.begin() + wanted, window);
  } else {
    tabList_.push_back(window);
  }
  window->wantedTabOrder_ = -1;
}

void TWinControl::RemoveControl(TControl* control) {
  const auto it = std::find(controls_.begin(), controls_.end(), control);
  if (it == controls_.end()) return;
  if (captureControl_ == control) {
    captureControl_ = nullptr;
    if (HandleAllocated() && GetCapture() == handle_) ReleaseCapture();
  }
  control->Invalidate();
  controls_.erase(it);
  tabList_.erase(std::remove(tabList_.begin(), tabList_.end(), control), tabList_.end());
  control->parent_ = nullptr;
  if (control->Align() != alNone) AlignControls();
  TopParent()->ControlRemoved(control);
}

void TWinControl::ControlRemoved(TControl* /*control*/) {}

TWinControl* TWinControl::TopParent() {
  TWinControl* top = this;
  while (top->Parent()) top = top->Parent();
  return top;
}

void TWinControl::SetParent(TWinControl* parent) {
  if (parent == Parent()) return;
  // The window is made again under the new parent.
  if (HandleAllocated()) DestroyHandle();
  TControl::SetParent(parent);
  if (parent && parent->HandleAllocated()) CreateHandle();
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
  const TRect next = TRect::FromBounds(left, top, std::max(width, 0), std::max(height, 0));
  if (next == BoundsRect()) return;
  bounds_ = next;
  if (HandleAllocated()) SetWindowBounds(handle_, next);
  AlignControls();
  RealignParent();
}

void TWinControl::SetBorderWidth(int width) {
  if (width < 0 || width > 1000)
    throw EInvalidOperation(Format("Invalid border width %d", {width}));
  if (width == borderWidth_) return;
  borderWidth_ = width;
  // Setting the style again makes the platform measure the client area anew.
  if (HandleAllocated()) SetWindowStyle(handle_, GetWindowStyle(handle_));
  AlignControls();
}

void TWinControl::AlignControls() {
  if (aligning_) return;
  aligning_ = true;
  TRect r = ClientRect();
  try {
    for (TAlign align : {alTop, alBottom, alLeft, alRight, alClient}) {
      for (TControl* c : std::vector<TControl*>(controls_)) {
        if (c->Align() != align || !c->Visible()) continue;
        switch (align) {
          case alTop:
            c->SetBounds(r.Left, r.Top, r.Width(), c->Height());
            r.Top += c->Height();
            break;
          case alBottom:
            c->SetBounds(r.Left, r.Bottom - c->Height(), r.Width(), c->Height());
            r.Bottom -= c->Height();
            break;
          case alLeft:
            c->SetBounds(r.Left, r.Top, c->Width(), r.Height());
            r.Left += c->Width();
            break;
          case alRight:
            c->SetBounds(r.Right - c->Width(), r.Top, c->Width(), r.Height());
            r.Right -= c->Width();
            break;
          default:
            c->SetBounds(r.Left, r.Top, r.Width(), r.Height());
            break;
        }
      }
    }
  } catch (...) {
    aligning_ = false;
    throw;
  }
  aligning_ = false;
}

TRect TWinControl::ClientRect() const {
  return HandleAllocated() ? GetClientRect(handle_) : TControl::ClientRect();
}

TPoint TWinControl::ClientOrigin() const {
  return HandleAllocated() ? platform::ClientToScreen(handle_, {0, 0}) : TControl::ClientOrigin();
}

void TWinControl::Invalidate() {
  if (HandleAllocated()) InvalidateRect(handle_, nullptr, true);
}

void TWinControl::Update() {
  if (HandleAllocated()) UpdateWindow(handle_);
}

void TWinControl::SetMouseCapture(bool capture) {
  if (!HandleAllocated()) return;
  if (capture) {
    SetCapture(handle_);
  } else if (GetCapture() == handle_) {
    ReleaseCapture();
  }
}

void TWinControl::SetTabStop(bool tabStop) {
  if (tabStop == tabStop_) return;
  tabStop_ = tabStop;
  Perform(CM_TABSTOPCHANGED);
}

int TWinControl::TabOrder() const {
  if (!Parent()) return wantedTabOrder_;
  const auto& list = Parent()->tabList_;
  return static_cast<int>(std::find(list.begin(), list.end(), this) - list.begin());
}

void TWinControl::SetTabOrder(int order) {
  if (!Parent()) {
    wantedTabOrder_ = order;
    return;
  }
  auto& list = Parent()->tabList_;
  list.erase(std::remove(list.begin(), list.end(), this), list.end());
  if (order >= 0 && order < static_cast<int>(list.size())) {
    list.insert(list.begin() + order, this);
  } else {
    list.push_back(this);
  }
}

bool TWinControl::CanFocus() const {
  for (const TControl* c = this; c; c = c->Parent())
    if (!c->Visible() || !c->Enabled()) return false;
  return true;
}

bool TWinControl::Focused() const {
  return HandleAllocated() && GetFocus() == handle_;
}

void TWinControl::SetFocus() {
  if (!CanFocus()) throw EInvalidOperation("Cannot focus a disabled or invisible window");
  platform::SetFocus(Handle());
}

std::vector<TWinControl*> TWinControl::TabOrderList() const {
  std::vector<TWinControl*> list;
  for (TWinControl* child : tabList_) {
    list.push_back(child);
    const auto inner = child->TabOrderList();
    list.insert(list.end(), inner.begin(), inner.end());
  }
  return list;
}

TWinControl* TWinControl::FindNextControl(const TWinControl* current, bool forward,
                                          bool checkTabStop) const {
  const auto list = TabOrderList();
  const int count = static_cast<int>(list.size());
  if (count == 0) return nullptr;
  const int found = static_cast<int>(std::find(list.begin(), list.end(), current) - list.begin());
  int i = found < count ? found : (forward ? -1 : count);
  for (int step = 0; step < count; ++step) {
    i = forward ? (i + 1) % count : (i - 1 + count) % count;
    TWinControl* candidate = list[static_cast<std::size_t>(i)];
    if (candidate == current) continue;
    if ((!checkTabStop || candidate->TabStop()) && candidate->CanFocus()) return candidate;
  }
  return nullptr;
}

void TWinControl::SelectNext(const TWinControl* current, bool forward, bool checkTabStop) {
  if (TWinControl* next = FindNextControl(current, forward, checkTabStop)) next->SetFocus();
}

void TWinControl::NotifyControls(std::uint32_t msg) {
  // A handler may reparent controls; the list is walked as it was.
  const std::vector<TControl*> controls = controls_;
  for (TControl* control : controls) control->Perform(msg);
}

void TWinControl::WndProc(TMessage& m) {
  if (m.Msg >= WM_MOUSEFIRST && m.Msg <= WM_MOUSELAST && m.Msg != WM_MOUSEWHEEL) {
    if (RouteMouse(m)) return;
    if (m.Msg == WM_MOUSEMOVE) SetMouseControl(this);
    if ((m.Msg == WM_LBUTTONDOWN || m.Msg == WM_LBUTTONDBLCLK) && tabStop_ && CanFocus() &&
        !Focused())
      SetFocus();
    TControl::WndProc(m);
    return;
  }
  switch (m.Msg) {
    case WM_PAINT:
      HandlePaint(m);
      return;
    case WM_SIZE:
    case WM_MOVE:
      if (HandleAllocated()) bounds_ = GetWindowBounds(handle_);
      if (m.Msg == WM_SIZE) AlignControls();
      break;
    case WM_NCCALCSIZE:
      DefaultHandler(m);
      if (TRect* client = RectOf(m); client && borderWidth_ > 0) {
        const int w = std::min(borderWidth_, std::max(client->Width(), 0) / 2);
        const int h = std::min(borderWidth_, std::max(client->Height(), 0) / 2);
        *client = client->Inflate(-w, -h);
      }
      return;
    case WM_MOUSELEAVE:
      if (TControl* hot = MouseControl();
          hot == this || (hot && hot->Parent() == this && !dynamic_cast<TWinControl*>(hot)))
        SetMouseControl(nullptr);
      break;
    case WM_SETFOCUS:
      DefaultHandler(m);
      TopParent()->Perform(CM_FOCUSCHANGED, 0, FocusChangedParam(this));
      return;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      HandleKeyDown(m);
      return;
    case WM_KEYUP:
    case WM_SYSKEYUP: {
      auto key = static_cast<std::uint16_t>(m.WParam);
      KeyUp(key, KeyboardShift());
      if (key == 0) return;
      m.WParam = key;
      break;
    }
    case WM_CHAR:
      HandleChar(m);
      return;
    case WM_SYSCHAR:
      // Alt+letter: the control whose caption marks that letter takes it.
      if (TopParent()->Perform(CM_DIALOGCHAR, m.WParam) != 0) return;
      break;
    case CM_DIALOGCHAR:
      for (TControl* control : std::vector<TControl*>(controls_)) {
        if (!control->Visible() || !control->Enabled()) continue;
        m.Result = control->Perform(CM_DIALOGCHAR, m.WParam);
        if (m.Result != 0) return;
      }
      return;
    case WM_SYSCOLORCHANGE:
      Perform(CM_SYSCOLORCHANGE);
      break;
    case CM_SYSCOLORCHANGE:
      Invalidate();
      NotifyControls(CM_SYSCOLORCHANGE);
      return;
    case CM_COLORCHANGED:
      if (HandleAllocated()) SetWindowBackground(handle_, Color());
      Invalidate();
      NotifyControls(CM_PARENTCOLORCHANGED);
      return;
    case CM_FONTCHANGED:
      Invalidate();
      NotifyControls(CM_PARENTFONTCHANGED);
      return;
    case CM_SHOWHINTCHANGED:
      NotifyControls(CM_PARENTSHOWHINTCHANGED);
      return;
    case CM_TEXTCHANGED:
      if (HandleAllocated()) SetWindowText(handle_, Text());
      Invalidate();
      return;
    case CM_ENTER:
      DoEnter();
      return;
    case CM_EXIT:
      DoExit();
      return;
    default:
      TControl::WndProc(m);
      return;
  }
  DefaultHandler(m);
}

void TWinControl::DefaultHandler(TMessage& m) {
  if (HandleAllocated()) DefWindowProc(handle_, m);
}

// Mouse messages over a graphic child, or while one holds the capture, are the child's.
bool TWinControl::RouteMouse(TMessage& m) {
  const TPoint p = PointOf(m);
  TControl* target = nullptr;
  if (captureControl_ && HandleAllocated() && GetCapture() == handle_) {
    target = captureControl_;
  } else {
    target = ControlAtPos(p);
    if (dynamic_cast<TWinControl*>(target)) target = nullptr;
  }
  if (!target) return false;
  if (m.Msg == WM_MOUSEMOVE) SetMouseControl(target);
  const TPoint local = p - target->BoundsRect().TopLeft();
  m.Result = target->Perform(m.Msg, m.WParam, PointParam(local));
  return true;
}

void TWinControl::HandleKeyDown(TMessage& m) {
  swallowChar_ = false;
  auto key = static_cast<std::uint16_t>(m.WParam);
  const TShiftState shift = KeyboardShift();
  if (TopParent()->Perform(CM_CHILDKEY, key) != 0) return;
  KeyDown(key, shift);
  if (key == 0) return;
  if (IsDialogKey(key) && !WantsKey(key) &&
      TopParent()->Perform(CM_DIALOGKEY, key, static_cast<LPARAM>(shift.Bits())) != 0) {
    swallowChar_ = TypesCharacter(key);
    return;
  }
  m.WParam = key;
  DefaultHandler(m);
}

void TWinControl::HandleChar(TMessage& m) {
  if (swallowChar_) {
    swallowChar_ = false;
    return;
  }
  if (m.WParam < 0x80) {
    char key = static_cast<char>(m.WParam);
    KeyPress(key);
    if (key == 0) return;
    m.WParam = static_cast<unsigned char>(key);
  }
  DefaultHandler(m);
}

void TWinControl::HandlePaint(TMessage& m) {
  if (platform::Canvas* given = CanvasOf(m)) {
    PaintHandler(*given);
    return;
  }
  PaintStruct paint;
  WindowCanvas canvas = BeginPaint(handle_, paint);
  PaintHandler(canvas.Get());
}

void TWinControl::PaintHandler(platform::Canvas& canvas) {
  PaintWindow(canvas);
  PaintControls(canvas);
}

void TWinControl::PaintWindow(platform::Canvas& /*canvas*/) {}

void TWinControl::PaintControls(platform::Canvas& canvas) {
  const TRect clip = canvas.ClipRect();
  for (TControl* control : controls_) {
    if (dynamic_cast<TWinControl*>(control) || !control->Visible() ||
        !control->BoundsRect().Intersects(clip))
      continue;
    const TPoint origin = canvas.Origin();
    const Region saved = canvas.ClipRegion();
    canvas.SetOrigin(origin + control->BoundsRect().TopLeft());
    canvas.IntersectClipRect(control->ClientRect());
    control->Perform(WM_PAINT, CanvasParam(canvas));
    canvas.SetOrigin(origin);
    canvas.SetClipRegion(saved);
  }
}

void TWinControl::KeyDown(std::uint16_t& key, TShiftState shift) {
  if (OnKeyDown) OnKeyDown(this, key, shift);
}

void TWinControl::KeyPress(char& key) {
  if (OnKeyPress) OnKeyPress(this, key);
}

void TWinControl::KeyUp(std::uint16_t& key, TShiftState shift) {
  if (OnKeyUp) OnKeyUp(this, key, shift);
}

void TWinControl::DoEnter() {
  if (OnEnter) OnEnter(this);
}

void TWinControl::DoExit() {
  if (OnExit) OnExit(this);
}

bool TWinControl::WantsKey(std::uint16_t /*key*/) const {
  return false;
}

void TWinControl::VisibleChanged() {
  if (HandleAllocated())
    ShowWindow(handle_, Visible() ? ShowCommand::ShowNoActivate : ShowCommand::Hide);
  RealignParent();
}

void TWinControl::EnabledChanged() {
  if (HandleAllocated()) EnableWindow(handle_, Enabled());
  Invalidate();
}

}  // namespace framework
