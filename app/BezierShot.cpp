#include "app/BezierShot.h"

#include <cstdint>

#include "app/Bezier.h"
#include "app/cli/CommandFailure.h"
#include "framework/forms/Application.h"
#include "framework/forms/Menus.h"
#include "platform/Error.h"
#include "platform/headless/Headless.h"
#include "platform/window/Paint.h"
#include "platform/window/Windows.h"
#include "skinengine/controls/sCustomButton.h"

namespace Bezier {

namespace {

// Long enough for every fade and pause the window started to end, in steps of the shortest
// timer interval, since a timer fires at most once each time the clock moves.
constexpr std::uint32_t SettleMs = 1000;
constexpr std::uint32_t SettleStepMs = 10;

// Pixels outside the window's region are not part of it on a desktop either.
void BlankOutsideShape(platform::Bitmap& picture, const platform::Region& shape) {
  for (int y = 0; y < picture.Height(); ++y) {
    int x = 0;
    for (const platform::TRect& inside : shape.BandAt(y)) {
      picture.FillRect({x, y, inside.Left, y + 1}, platform::clWhite);
      x = inside.Right;
    }
    picture.FillRect({x, y, picture.Width(), y + 1}, platform::clWhite);
  }
}

void OpenAndDraw(platform::HeadlessSession& session, TForm1& form, const std::string& pointFile) {
  session.Backend().AnswerFileDialog(pointFile);
  form.Open->Click();
  const sCustomButton::TsSpeedButton& button = *form.Gambar;
  session.Click(button.ClientToScreen({button.Width() / 2, button.Height() / 2}));
  // The pointer rests on the window's bare corner, so that no button shows its hot look.
  session.MoveMouse(form.ClientToScreen({1, 1}));
}

}  // namespace

TWindowShot ShootMainWindow(const std::optional<std::string>& pointFile) {
  // The window skips a file it cannot read without a word; a command must say why.
  if (pointFile) cli::ReadInputFile(*pointFile);
  platform::HeadlessSession session;
  framework::TApplication application;
  auto* form = application.CreateForm<TForm1>();
  session.Backend().ScheduleStep([&] {
    if (pointFile) OpenAndDraw(session, *form, *pointFile);
    for (std::uint32_t ms = 0; ms < SettleMs; ms += SettleStepMs) session.Advance(SettleStepMs);
    application.Terminate();
  });
  application.Run();
  for (const platform::DialogRecord& dialog : session.Backend().Dialogs()) {
    if (!dialog.IsMessageBox) continue;
    if (pointFile) throw cli::TFailure(*pointFile, dialog.Box.Text);
    throw platform::Error(dialog.Box.Text);
  }
  const platform::HWND window = form->Handle();
  platform::UpdateWindow(window);
  TWindowShot shot{platform::WindowSnapshot(window), platform::ClientToScreen(window, {0, 0}) -
                                                         platform::GetWindowRect(window).TopLeft()};
  if (const auto* native = session.Backend().Native(window); native && native->Shape)
    BlankOutsideShape(shot.Picture, *native->Shape);
  return shot;
}

}  // namespace Bezier
