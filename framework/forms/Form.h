#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>

#include "framework/controls/BorderStyle.h"
#include "framework/controls/WinControl.h"
#include "framework/description/DescriptionReader.h"
#include "framework/forms/FormMenu.h"
#include "framework/graphics/Picture.h"

namespace framework {

enum TBorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
using TBorderIcons = TSet<TBorderIcon>;
enum TPosition {
  poDesigned,
  poDefault,
  poDefaultPosOnly,
  poDefaultSizeOnly,
  poScreenCenter,
  poDesktopCenter,
  poMainFormCenter,
  poOwnerFormCenter
};
enum TWindowState { wsNormal, wsMinimized, wsMaximized };
extern const TEnumType BorderIconType;
extern const TEnumType PositionType;
extern const TEnumType WindowStateType;

// A top-level window holding controls. It keeps track of the control that has the focus,
// runs OnExit and OnEnter as the focus moves, and moves the focus with Tab and Shift+Tab.
// A form built from a stored description calls LoadDescription at the end of its own
// constructor, when its fields and methods exist; OnCreate runs after the loading.
class TCustomForm : public TWinControl {
 public:
  explicit TCustomForm(TComponent* owner);
  ~TCustomForm() override;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  // Reads the description into this form, then runs OnCreate; an exception from OnCreate
  // goes to the application's handler.
  void LoadDescription(std::string_view text, const TClassRegistry& classes,
                       const TResourceResolver& resources = {});

  TFormBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TFormBorderStyle style);
  TBorderIcons BorderIcons() const { return borderIcons_; }
  void SetBorderIcons(TBorderIcons icons);
  TPosition Position() const { return position_; }
  void SetPosition(TPosition position) { position_ = position; }
  TWindowState WindowState() const { return windowState_; }
  void SetWindowState(TWindowState state);
  bool AutoScroll() const { return autoScroll_; }
  void SetAutoScroll(bool autoScroll) { autoScroll_ = autoScroll; }
  TPicture* Icon() const { return icon_.get(); }

  // While loading, the client size waits for the frame (border, menu bar) to be known.
  void SetClientWidth(int width);
  void SetClientHeight(int height);

  TFormMenu* Menu() const { return menu_; }
  void SetMenu(TFormMenu* menu);
  // Rebuilds the menu bar after the menu's items changed.
  void MenuChanged();

  // The control that has, or gets when the form is activated, the focus.
  TWinControl* ActiveControl() const { return activeControl_; }
  // Raises EInvalidOperation for a control that is not inside this form.
  void SetActiveControl(TWinControl* control);

  // Shows the form and makes it the active window.
  void ShowForm();
  // The main form's closing ends the application; another form is hidden.
  void Close();

  TNotifyEvent OnCreate;
  TNotifyEvent OnShow;

 protected:
  void CreateParams(platform::CreateParams& params) override;
  void WndProc(TMessage& message) override;
  void Notification(TComponent* component, TOperation operation) override;
  void Loaded() override;
  void ControlRemoved(TControl* control) override;
  void VisibleChanged() override;

 private:
  void FocusChanged(TWinControl* control);
  bool DialogKey(std::uint16_t key, TShiftState shift);
  void ApplyFrameStyle();
  void ResizeClient(int width, int height);
  void PlaceOnScreen();

  TFormBorderStyle borderStyle_ = bsSizeable;
  TBorderIcons borderIcons_{biSystemMenu, biMinimize, biMaximize};
  TPosition position_ = poDesigned;
  TWindowState windowState_ = wsNormal;
  bool autoScroll_ = true;
  std::unique_ptr<TPicture> icon_;
  TFormMenu* menu_ = nullptr;
  std::optional<int> wantedClientWidth_;
  std::optional<int> wantedClientHeight_;
  TWinControl* activeControl_ = nullptr;  // entered: its OnExit is due when the focus leaves
  unsigned focusChanges_ = 0;
  bool shown_ = false;
};

// A form as the designer makes them.
class TForm : public TCustomForm {
 public:
  using TCustomForm::TCustomForm;
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
};

// The form a control lies on, or null.
TCustomForm* GetParentForm(TControl* control);

}  // namespace framework
