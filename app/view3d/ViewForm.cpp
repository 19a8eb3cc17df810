#include "app/view3d/ViewForm.h"

#include <string>
#include <string_view>

#include "app/Bezier.h"
#include "app/view3d/ViewCommands.h"
#include "app/view3d/ViewPlacement.h"
#include "framework/forms/Menus.h"
#include "framework/runtime/Exceptions.h"
#include "skinengine/frame/sSkinProvider.h"

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

}  // namespace

std::optional<TViewPlacement>& View3DPlacement() {
  static std::optional<TViewPlacement> placement;
  return placement;
}

TViewForm::TViewForm(framework::TComponent* owner, TForm1& table) : TForm(owner) {
  SetName(Name);
  SetCaption("Tampilan 3-D");
  SetBorderStyle(framework::bsSizeable);
  new sSkinProvider::TsSkinProvider(this);
  menu_ = new framework::TMainMenu(this);
  menu_->SetOwnerDraw(true);
  panel_ = new TViewPanel(this, table);
  panel_->SetParent(this);
  panel_->SetAlign(framework::alClient);
  SetMenu(menu_);
  BuildMenu();
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
  if (!Visible()) {
    if (const auto& placement = View3DPlacement()) {
      SetBounds(placement->Bounds.Left, placement->Bounds.Top, placement->Bounds.Width(),
                placement->Bounds.Height());
      if (placement->Maximized) SetWindowState(framework::wsMaximized);
    }
  }
  ShowForm();
}

void TViewForm::VisibleChanged() {
  if (!Visible()) {
    panel_->EndGesture();
    TViewPlacement& placement = View3DPlacement().emplace();
    placement.Maximized = WindowState() == framework::wsMaximized;
    if (placement.Maximized) SetWindowState(framework::wsNormal);
    placement.Bounds = BoundsRect();
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
