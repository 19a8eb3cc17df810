#include "app/view3d/ViewForm.h"

#include <cstdio>
#include <exception>
#include <optional>
#include <string>
#include <string_view>

#include "app/Bezier.h"
#include "app/settings/Settings.h"
#include "app/view3d/ViewCommands.h"
#include "framework/forms/Menus.h"
#include "framework/runtime/Exceptions.h"
#include "platform/window/Windows.h"
#include "skinengine/frame/sSkinProvider.h"
#include "skinengine/skin/sSkinManager.h"

namespace Bezier {

using framework::TMenuItem;
using framework::TObject;

namespace {

// The view's first place: beside the main window, at this client size.
constexpr int FirstGap = 8;
constexpr int FirstClientWidth = 640;
constexpr int FirstClientHeight = 480;

// The main menu's item that opens the view.
constexpr const char* OpenItemName = "View3D1";
constexpr const char* EditMenu = "Sunting";

TMenuItem* AddItem(framework::TComponent* owner, TMenuItem& parent, const char* caption) {
  auto* item = new TMenuItem(owner);
  item->SetCaption(caption);
  parent.Add(item);
  return item;
}

// Where the view stood when it was last closed, in this run or before; a file that cannot be
// read leaves it at its first place.
std::optional<settings::TWindowPlacement> LastPlacement() {
  try {
    return settings::RememberedPlacement(settings::View3DWindow);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "bezier: %s\n", e.what());
    return std::nullopt;
  }
}

void KeepPlacement(const settings::TWindowPlacement& placement) {
  try {
    settings::RememberPlacement(settings::View3DWindow, placement);
  } catch (const std::exception& e) {
    // The window closes all the same; only its place is not kept.
    std::fprintf(stderr, "bezier: letak Tampilan 3-D tidak tersimpan: %s\n", e.what());
  }
}

}  // namespace

TViewForm::TViewForm(framework::TComponent* owner, TForm1& table) : TForm(owner) {
  SetName(Name);
  SetCaption("Tampilan 3-D");
  SetBorderStyle(framework::bsSizeable);
  new sSkinProvider::TsSkinProvider(this);
  menu_ = new framework::TMainMenu(this);
  panel_ = new TViewPanel(this, table);
  panel_->SetParent(this);
  panel_->SetAlign(framework::alClient);
  SetMenu(menu_);
  BuildMenu();
  // Made while no skin is in force, the bar is the platform's, as the main window's is once its
  // skin goes; a skin that comes takes it over.
  menu_->SetOwnerDraw(sSkinManager::SkinData().Active);
  SetBounds(table.Left() + table.Width() + FirstGap, table.Top(), FirstClientWidth,
            FirstClientHeight);
  SetClientWidth(FirstClientWidth);
  SetClientHeight(FirstClientHeight);
  SetActiveControl(panel_);
}

void TViewForm::BuildMenu() {
  TTableEdits& edits = panel_->Edits();
  TMenuItem* menu = nullptr;
  for (const TViewCommand& command : ViewCommands()) {
    if (!menu || menu->Caption() != command.Menu)
      menu = AddItem(this, *menu_->Items(), command.Menu);
    TMenuItem* item = AddItem(this, *menu, command.Caption);
    item->SetShortCut(command.Key);
    item->OnClick = [this, &command](TObject*) {
      command.Run(*panel_, panel_->Edits());
      UpdateChecks();
    };
  }
  TMenuItem* edit = AddItem(this, *menu_->Items(), EditMenu);
  edits.BindUndo(*AddItem(this, *edit, "Urungkan"));
  edits.BindRedo(*AddItem(this, *edit, "Ulangi"));
  UpdateChecks();
}

TMenuItem* TViewForm::Command(const char* caption) const {
  for (int m = 0; m < menu_->Items()->Count(); ++m) {
    TMenuItem* menu = menu_->Items()->Items(m);
    for (int k = 0; k < menu->Count(); ++k)
      if (std::string_view(menu->Items(k)->Caption()) == caption) return menu->Items(k);
  }
  return nullptr;
}

void TViewForm::UpdateChecks() {
  for (const TViewCommand& command : ViewCommands())
    if (command.Checked) Command(command.Caption)->SetChecked(command.Checked(*panel_));
}

void TViewForm::Open() {
  const auto placement = Visible() ? std::nullopt : LastPlacement();
  if (placement)
    SetBounds(placement->Bounds.Left, placement->Bounds.Top, placement->Bounds.Width(),
              placement->Bounds.Height());
  ShowForm();
  // Maximised once shown, so that the bounds above are the ones it returns to.
  if (placement && placement->State == platform::WindowState::Maximized)
    SetWindowState(framework::wsMaximized);
}

TViewForm::~TViewForm() {
  if (Visible()) RememberPlace();
}

// Its normal bounds are kept, so it goes back to them while the window is still shown (a
// hidden window keeps its state); a minimised view opens again at them.
void TViewForm::RememberPlace() {
  const bool maximized = WindowState() == framework::wsMaximized;
  if (maximized && HandleAllocated())
    platform::ShowWindow(Handle(), platform::ShowCommand::Restore);
  SetWindowState(framework::wsNormal);
  KeepPlacement(
      {BoundsRect(), maximized ? platform::WindowState::Maximized : platform::WindowState::Normal});
}

void TViewForm::VisibleChanged() {
  if (!Visible()) {
    panel_->EndGesture();
    RememberPlace();
  }
  TForm::VisibleChanged();
}

void InstallView3D(TForm1& form) {
  auto* item = dynamic_cast<TMenuItem*>(form.FindComponent(OpenItemName));
  if (!item) throw framework::Exception(std::string("The main menu has no item ") + OpenItemName);
  item->OnClick = [&form](TObject*) {
    auto* view = dynamic_cast<TViewForm*>(form.FindComponent(TViewForm::Name));
    if (!view) view = new TViewForm(&form, form);
    view->Open();
  };
}

}  // namespace Bezier
