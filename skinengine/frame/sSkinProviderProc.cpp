#include "framework/controls/ControlMessages.h"
#include "framework/forms/Menus.h"
#include "platform/window/MessageParams.h"
#include "platform/window/Metrics.h"
#include "platform/window/Windows.h"
#include "skinengine/frame/sSkinProvider.h"
#include "skinengine/frame/sSkinProviderParts.h"
#include "skinengine/frame/sSkinProviderSystemMenu.h"
#include "skinengine/skin/sFramePicture.h"
#include "skinengine/skin/sMessages.h"

namespace sSkinProvider {

using namespace platform;

namespace {

bool IsCaptionOrIcon(int hit) {
  return hit == HTCAPTION || hit == HTSYSMENU;
}

}  // namespace

void TsSkinProvider::CallSaved(TMessage& m) {
  if (savedProc_) savedProc_(m);
}

bool TsSkinProvider::Skinning() const {
  const sSkinManager::TsSkinData& data = sSkinManager::SkinData();
  return !Designing() && manager_ && data.ActiveManager && data.Active &&
         frameStyle_->SkinIndex() >= 0;
}

void TsSkinProvider::WndProc(TMessage& m) {
  if (!Skinning()) return CallSaved(m);
  m.Result = 0;
  switch (m.Msg) {
    case WM_CREATE:
      CallSaved(m);
      HandOverBarItems();
      return;
    case WM_ACTIVATE:
    case WM_NCACTIVATE:
      return Activated(m);
    case WM_ERASEBKGND:
      m.Result = 1;
      return;
    case WM_PAINT:
      return PaintClient(m);
    case WM_MEASUREITEM:
      PrepareMeasuredItem(m);
      return CallSaved(m);
    case WM_WINDOWPOSCHANGED:
    case WM_EXITSIZEMOVE:
      CallSaved(m);
      return Resized(true);
    case WM_SIZING:
      CallSaved(m);
      return Resized(false);
    case WM_NCHITTEST:
      return HasBorder() ? HitTestMessage(m) : CallSaved(m);
    case WM_NCPAINT:
      return HasBorder() ? NcPaint(m) : CallSaved(m);
    case WM_NCLBUTTONDOWN:
      return NcButtonDown(m);
    case WM_NCLBUTTONUP:
      return NcButtonUp(m);
    case WM_NCLBUTTONDBLCLK:
      return NcDoubleClick(m);
    case WM_NCRBUTTONDOWN:
      if (!IsCaptionOrIcon(static_cast<int>(m.WParam))) CallSaved(m);
      return;
    case WM_NCRBUTTONUP:
      if (!IsCaptionOrIcon(static_cast<int>(m.WParam))) return CallSaved(m);
      SetHot(HTNOWHERE);
      return ShowSystemMenu(PointOf(m));
    case WM_MOUSELEAVE:
    case WM_NCMOUSELEAVE:
    case framework::CM_MOUSELEAVE:
      SetHot(HTNOWHERE);
      return CallSaved(m);
    case WM_SYSCOMMAND:
      // Alt+Space opens the frame's own system menu, the platform's being out of sight.
      if (SysCommandOf(m) == SC_KEYMENU && m.LParam == ' ') return ShowSystemMenuUnderIcon();
      return CallSaved(m);
    case sMessages::SM_GETFRAMEPICTURE:
      return AnswerFramePicture(m);
    case sMessages::SM_GETFRAMEPAINTER:
      m.Result = sSkinManager::FramePainterResult(this);
      return;
    default:
      return CallSaved(m);
  }
}

// The frame shows the form active or not. The form still hears of its activation, so that it
// gives the focus to its active control.
void TsSkinProvider::Activated(TMessage& m) {
  if (HasBorder()) {
    HandOverBarItems();
    formActive_ = LOWORD(m.WParam) != WA_INACTIVE;
    cacheStale_ = true;
    SendMessage(Window(), WM_NCPAINT);
    cacheStale_ = false;
    if (sSkinManager::TsMenuPainter* painter = MenuPainter())
      painter->SkinAll(sSkinManager::SkinData().Active);
  }
  if (m.Msg == WM_ACTIVATE) CallSaved(m);
  m.Result = HasBorder() ? 1 : 0;
}

void TsSkinProvider::Resized(bool repaint) {
  const framework::TBitmap& cache = FrameCache();
  const TRect bounds = GetWindowBounds(Window());
  if (cache.Width() == bounds.Width() && cache.Height() == bounds.Height()) return;
  if (!form_->ComponentState().Contains(framework::csLoading)) cacheStale_ = true;
  if (!repaint) return;
  SendMessage(Window(), WM_PAINT);
  SendMessage(Window(), WM_NCPAINT);
}

void TsSkinProvider::HitTestMessage(TMessage& m) {
  const int hit = TitleHit(ScreenToWindow(Window(), PointOf(m)));
  SetHot(hit);
  // The platform knows the frame edges and the menu bar, and drags by the caption.
  if (hit == HTNOWHERE || (hit == HTCAPTION && WindowState() != WindowState::Maximized))
    return CallSaved(m);
  m.Result = hit;
}

void TsSkinProvider::NcButtonDown(TMessage& m) {
  const int hit = static_cast<int>(m.WParam);
  if (hit == HTSYSMENU) {
    SetHot(HTNOWHERE);
    return ShowSystemMenuUnderIcon();
  }
  if (ButtonOf(hit)) return Press(hit);
  SetHot(HTNOWHERE);
  // A maximized window stays where it is.
  const int titleHeight = GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION);
  if (WindowState() == WindowState::Maximized &&
      PointOf(m).Y - GetWindowRect(Window()).Top < titleHeight)
    return;
  CallSaved(m);
}

void TsSkinProvider::ShowSystemMenuUnderIcon() {
  const TRect window = GetWindowRect(Window());
  ShowSystemMenu({window.Left + GetSystemMetrics(SM_CXFRAME),
                  window.Top + GetSystemMetrics(SM_CYSMICON) + GetSystemMetrics(SM_CYFRAME)});
}

void TsSkinProvider::NcButtonUp(TMessage& m) {
  const int hit = static_cast<int>(m.WParam);
  const bool pressedHere = pressed_ == hit;
  pressed_ = HTNOWHERE;
  if (!ButtonOf(hit)) return CallSaved(m);
  // A release acts only on the button it was pressed on.
  if (!pressedHere) return;
  const bool maximized = WindowState() == WindowState::Maximized;
  switch (hit) {
    case HTMINBUTTON:
      SendMessage(MinimizeTarget(Window()), WM_SYSCOMMAND, SC_MINIMIZE);
      break;
    case HTMAXBUTTON:
      SendMessage(Window(), WM_SYSCOMMAND, maximized ? SC_RESTORE : SC_MAXIMIZE);
      break;
    case HTCLOSE:
      SendMessage(Window(), WM_SYSCOMMAND, SC_CLOSE);
      return;
    default:
      SendMessage(Window(), WM_SYSCOMMAND, SC_CONTEXTHELP);
      break;
  }
  SetHot(HTNOWHERE);
  systemMenu_->UpdateItems();
}

void TsSkinProvider::NcDoubleClick(TMessage& m) {
  const int hit = static_cast<int>(m.WParam);
  // A quick second click on a title button presses it again.
  if (ButtonOf(hit)) return Press(hit);
  switch (hit) {
    case HTCAPTION:
      if (!CanMaximize() && !CanRestore()) return;
      form_->SetWindowState(WindowState() == WindowState::Maximized ? framework::wsNormal
                                                                    : framework::wsMaximized);
      return systemMenu_->UpdateItems();
    case HTSYSMENU:
      return form_->Close();
    default:
      return CallSaved(m);
  }
}

// The drop-down items of the main menu get their handlers just before they are measured.
void TsSkinProvider::PrepareMeasuredItem(const TMessage& m) {
  const MeasureItemStruct& measure = MeasureItemOf(m);
  auto* menu = dynamic_cast<framework::TMainMenu*>(form_->Menu());
  sSkinManager::TsMenuPainter* painter = MenuPainter();
  if (measure.CtlType != ODT_MENU || !menu || !painter) return;
  if (framework::TMenuItem* item = menu->FindItem(static_cast<std::uint32_t>(measure.ItemData)))
    painter->PrepareItem(item, true);
}

void TsSkinProvider::AnswerFramePicture(TMessage& m) {
  sSkinManager::FramePicture() = {&FrameCache().Data(), ClientOffset()};
  m.Result = 1;
}

}  // namespace sSkinProvider
