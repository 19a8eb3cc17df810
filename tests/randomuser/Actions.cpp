// What the random user does: plausible input of every kind, as a person at the desktop gives
// it, aimed at the controls often enough to get somewhere and anywhere now and then.
#include <algorithm>
#include <array>
#include <string>

#include "app/Bezier.h"
#include "framework/controls/Panel.h"
#include "platform/window/Input.h"
#include "platform/window/Menus.h"
#include "platform/window/Messages.h"
#include "platform/window/Windows.h"
#include "skinengine/controls/sCheckbox.h"
#include "skinengine/controls/sCustomButton.h"
#include "skinengine/controls/sEdit.h"
#include "skinengine/controls/sGauge.h"
#include "styled/suiGrid.h"
#include "tests/randomuser/RandomUser.h"

namespace randomuser {

using platform::TPoint;

namespace {

std::string At(TPoint p) {
  return " at " + std::to_string(p.X) + "," + std::to_string(p.Y);
}

TPoint Middle(const platform::TRect& r) {
  return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
}

// The key that types a character, for the key-down and key-up around it; 0 for none.
std::uint32_t KeyOf(char c) {
  if (c >= '0' && c <= '9') return static_cast<std::uint32_t>(c);
  if (c >= 'a' && c <= 'z') return static_cast<std::uint32_t>(c - 'a' + 'A');
  if (c >= 'A' && c <= 'Z') return static_cast<std::uint32_t>(c);
  return c == ' ' ? platform::VK_SPACE : 0;
}

constexpr std::array<std::uint32_t, 16> ControlKeys = {
    platform::VK_BACK,   platform::VK_BACK,   platform::VK_DELETE, platform::VK_RETURN,
    platform::VK_ESCAPE, platform::VK_LEFT,   platform::VK_RIGHT,  platform::VK_UP,
    platform::VK_DOWN,   platform::VK_HOME,   platform::VK_END,    platform::VK_PRIOR,
    platform::VK_NEXT,   platform::VK_INSERT, platform::VK_SPACE,  platform::VK_F1};

}  // namespace

void TRandomUser::RunAction() {
  KeepModalStepReady();
  switch (Below(20)) {
    case 0:
    case 1:
      return ClickAnywhere(false);
    case 2:
      return ClickAnywhere(true);
    case 3:
    case 4:
    case 5:
    case 6:
      return ClickControl();
    case 7:
      return DoubleClickCell();
    case 8:
      return Drag();
    case 9:
    case 10:
      return TypeDigits();
    case 11:
      return TypeAnything();
    case 12:
      return ControlKey();
    case 13:
      return Tab();
    case 14:
    case 15:
      return EnterCount();
    case 16:
    case 17:
      return MenuByMouse();
    case 18:
      return OneIn(2) ? MenuByKeyboard() : SizeFillAndDraw();
    default:
      return OneIn(3) ? Wheel() : Hover();
  }
}

TPoint TRandomUser::Somewhere(int margin) {
  const platform::TRect r = platform::GetWindowRect(form_->Handle()).Inflate(margin, margin);
  return {r.Left + Below(r.Width()), r.Top + Below(r.Height())};
}

TPoint TRandomUser::Inside(const framework::TControl& control) {
  return control.ClientToScreen(
      {Below(std::max(control.Width(), 1)), Below(std::max(control.Height(), 1))});
}

void TRandomUser::Click(TPoint at, platform::MouseButton button) {
  session_->Click(at, button);
}

void TRandomUser::Key(std::uint32_t virtualKey, std::uint32_t modifier) {
  if (modifier != 0) platform::InputKey(modifier, true);
  session_->PressKey(virtualKey);
  if (modifier != 0) platform::InputKey(modifier, false);
}

// People type counts of one digit, or two now and then: larger tables take the sanitizer build
// minutes to draw. So this user types no second character into a count field (EnterCount
// gives two-digit counts itself).
void TRandomUser::Type(const std::string& text) {
  for (const char c : text) {
    const platform::HWND focus = platform::GetFocus();
    for (sEdit::TsEdit* field : {form_->EdM, form_->EdN})
      if (focus == field->Handle() && !field->Text().empty()) return;
    const std::uint32_t key = KeyOf(c);
    if (key != 0) platform::InputKey(key, true);
    session_->TypeText(std::string(1, c));
    if (key != 0) platform::InputKey(key, false);
  }
}

void TRandomUser::ClickAnywhere(bool twice) {
  const TPoint at = Somewhere(12);
  const auto button = OneIn(6) ? platform::MouseButton::Right : platform::MouseButton::Left;
  Note(std::string(twice ? "double click" : "click") + At(at));
  Click(at, button);
  if (!twice) return;
  session_->Advance(static_cast<std::uint32_t>(Below(200)));
  Click(at, button);
}

void TRandomUser::ClickControl() {
  const std::array<const framework::TControl*, 9> controls = {
      form_->EdM,     form_->EdN,      form_->BtMxN, form_->BtnRandom, form_->Gambar,
      form_->SGInput, form_->CheckBox, form_->Bar,   form_->Panel};
  const framework::TControl& control = *controls[static_cast<std::size_t>(Below(controls.size()))];
  const TPoint at = Inside(control);
  Note("click " + control.Name() + At(at));
  Click(at);
}

void TRandomUser::DoubleClickCell() {
  const auto& grid = *form_->SGInput;
  const int col = Below(4);
  const int row = Below(9);
  const TPoint at = grid.ClientToScreen(
      {col * (grid.DefaultColWidth() + 1) + 5, row * (grid.DefaultRowHeight() + 1) + 5});
  Note("double click cell " + std::to_string(col) + "," + std::to_string(row));
  Click(at);
  session_->Advance(static_cast<std::uint32_t>(Below(100)));
  Click(at);
}

void TRandomUser::Drag() {
  const TPoint from = OneIn(2) ? Somewhere(0) : Inside(*form_->SGInput);
  const TPoint to = Somewhere(30);
  Note("drag from" + At(from) + " to" + At(to));
  session_->Press(from);
  const int steps = Below(5) + 1;
  for (int k = 1; k <= steps; ++k) {
    session_->MoveMouse(
        {from.X + (to.X - from.X) * k / steps, from.Y + (to.Y - from.Y) * k / steps});
  }
  if (OneIn(8)) Key(platform::VK_ESCAPE);
  session_->Release(to);
}

void TRandomUser::TypeDigits() {
  std::string digits;
  for (int k = Below(4); k >= 0; --k) digits += static_cast<char>('0' + Below(10));
  Note("type " + digits);
  Type(digits);
}

void TRandomUser::TypeAnything() {
  static constexpr std::array<const char*, 10> Texts = {
      "a", "x", "-", " ", ".", "+5", "$1F", "Zz", "\xC3\xA9", "\xE2\x82\xAC"};
  const std::string text = Texts[static_cast<std::size_t>(Below(Texts.size()))];
  Note("type '" + text + "'");
  Type(text);
}

void TRandomUser::ControlKey() {
  if (OneIn(5)) {
    static constexpr std::array<char, 5> Letters = {'C', 'V', 'X', 'A', 'Z'};
    const char letter = Letters[static_cast<std::size_t>(Below(Letters.size()))];
    Note(std::string("Ctrl+") + letter);
    return Key(static_cast<std::uint32_t>(letter), platform::VK_CONTROL);
  }
  const std::uint32_t key = ControlKeys[static_cast<std::size_t>(Below(ControlKeys.size()))];
  const std::uint32_t modifier = OneIn(5) ? platform::VK_SHIFT : 0;
  Note("key " + std::to_string(key) + (modifier ? " with Shift" : ""));
  Key(key, modifier);
}

void TRandomUser::Tab() {
  const bool back = OneIn(3);
  Note(back ? "Shift+Tab" : "Tab");
  Key(platform::VK_TAB, back ? platform::VK_SHIFT : 0);
}

// A count typed into its field and the field left, as people give counts.
void TRandomUser::EnterCount() {
  sEdit::TsEdit& field = OneIn(2) ? *form_->EdM : *form_->EdN;
  const std::string count = std::to_string(OneIn(8) ? 10 + Below(3) : Below(10));
  Note("enter " + count + " into " + field.Name());
  Click(Inside(field));
  Key(platform::VK_END);
  for (int k = 0; k < 3; ++k) Key(platform::VK_BACK);
  Type(count);
  OneIn(4) ? Click(Inside(*form_->SGInput)) : Key(platform::VK_TAB);
}

// The three buttons in the order that gets a drawing, whatever state the window is in.
void TRandomUser::SizeFillAndDraw() {
  Note("size, fill and draw");
  for (const framework::TControl* button : {form_->BtMxN, form_->BtnRandom, form_->Gambar})
    Click(Inside(*button));
}

void TRandomUser::MenuByMouse() {
  const platform::HWND window = form_->Handle();
  const platform::HMENU bar = platform::GetMenu(window);
  const int top = Below(platform::GetMenuItemCount(bar));
  Note("menu " + std::to_string(top) + " by mouse");
  Click(Middle(platform::GetMenuItemRect(window, bar, top)));
  if (!platform::IsMenuActive()) return;
  const platform::HMENU dropDown = platform::GetMenuItemInfo(bar, top)->SubMenu;
  const int items = platform::GetMenuItemCount(dropDown);
  if (items == 0 || OneIn(8)) return OneIn(2) ? Key(platform::VK_ESCAPE) : Click(Somewhere(40));
  const int item = Below(items);
  // Closing the tool ends a session, so it is chosen less often than the rest.
  if (platform::GetMenuItemInfo(dropDown, item)->Text == "Close" && !OneIn(20)) {
    return Key(platform::VK_ESCAPE);
  }
  Note("menu item " + std::to_string(item));
  Click(Middle(platform::GetMenuItemRect(window, dropDown, item)));
}

void TRandomUser::MenuByKeyboard() {
  Note("menu by keyboard");
  Key(OneIn(2) ? platform::VK_MENU : platform::VK_F10);
  static constexpr std::array<std::uint32_t, 6> Keys = {platform::VK_DOWN,  platform::VK_DOWN,
                                                        platform::VK_RIGHT, platform::VK_LEFT,
                                                        platform::VK_UP,    platform::VK_ESCAPE};
  for (int k = Below(6); k > 0 && platform::IsMenuActive(); --k)
    Key(Keys[static_cast<std::size_t>(Below(Keys.size()))]);
  if (platform::IsMenuActive()) Key(OneIn(3) ? platform::VK_ESCAPE : platform::VK_RETURN);
}

void TRandomUser::Hover() {
  const TPoint at = Somewhere(5);
  const auto wait = static_cast<std::uint32_t>(Below(3000));
  Note("rest" + At(at) + " for " + std::to_string(wait) + " ms");
  session_->MoveMouse(at);
  session_->Advance(wait);
}

void TRandomUser::Wheel() {
  const TPoint at = OneIn(2) ? Inside(*form_->SGInput) : Somewhere(0);
  const int delta = OneIn(2) ? 120 : -120;
  Note("wheel" + At(at));
  platform::InputMouseWheel(at, delta);
}

// A modal loop (the frame's system menu) waits for input: the user picks something in it or
// gives up, and is ready for the next one.
void TRandomUser::InsideModalLoop() {
  ++modalSteps_;
  if (modalSteps_ > 12) {
    platform::EndMenu();
  } else if (modalSteps_ > 6 || OneIn(4)) {
    Key(platform::VK_ESCAPE);
  } else if (OneIn(2)) {
    Key(OneIn(2) ? platform::VK_DOWN : platform::VK_RETURN);
  } else {
    Click(Somewhere(20));
  }
  KeepModalStepReady();
}

void TRandomUser::KeepModalStepReady() {
  if (stepPending_) return;
  stepPending_ = true;
  session_->Backend().ScheduleStep([this] {
    stepPending_ = false;
    InsideModalLoop();
  });
}

}  // namespace randomuser
