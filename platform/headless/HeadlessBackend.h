#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/window/Backend.h"
#include "platform/window/ScreenScale.h"

namespace platform {

// Time that moves only when told: sleeping advances it at once, tests advance it to fire
// timers.
class VirtualClock : public Clock {
 public:
  std::uint64_t NowMicroseconds() override { return now_; }
  void Sleep(std::uint32_t milliseconds) override { Advance(milliseconds); }
  void Advance(std::uint32_t milliseconds) { now_ += std::uint64_t{milliseconds} * 1000; }

 private:
  std::uint64_t now_ = 1'000'000;  // far enough from zero that "long ago" exists
};

// One dialog the program opened, as the test script sees it.
struct DialogRecord {
  bool IsMessageBox = true;
  MessageBoxParams Box;
  FileDialogParams File;
};

// The window system without a display: native windows are memory, presenting copies the
// backing bitmap to a per-window "screen" picture, and dialogs are answered from a script.
// Given a scale factor, it stands for a HiDPI screen: the work area, native bounds, shapes
// and screen pictures are in device pixels, as a desktop's are.
class HeadlessBackend : public Backend {
 public:
  struct NativeWindow {
    TRect Bounds;
    bool Visible = false;
    WindowState State = WindowState::Normal;
    bool Popup = false;
    std::string Title;
    std::optional<Region> Shape;
    Bitmap Screen;
    int Presents = 0;
  };

  explicit HeadlessBackend(TRect workArea = {0, 0, 1280, 1024}, int scale = 1)
      : workArea_(workArea), scale_(scale) {}

  Clock& GetClock() override { return clock_; }
  TRect WorkArea() override { return scale_.AreaToLogical(workArea_); }
  void CreateNative(HWND window, const TRect& screenBounds, bool popup) override;
  void DestroyNative(HWND window) override { natives_.erase(window); }
  void SetNativeBounds(HWND window, const TRect& screenBounds) override;
  void SetNativeVisible(HWND window, bool visible, WindowState state) override;
  void SetNativeTitle(HWND window, const std::string& title) override;
  void SetNativeShape(HWND window, const Region* shape) override;
  void ActivateNative(HWND) override {}
  void Present(HWND window, const Bitmap& backing, const TRect& rect) override;
  void PumpEvents() override {}
  // Runs the next scripted step; with none left the program would wait forever, which is
  // an error in a test.
  void WaitEvents(std::optional<std::uint32_t> timeoutMs) override;
  void SetClipboardText(const std::string& text) override { clipboard_ = text; }
  std::string GetClipboardText() override { return clipboard_; }
  int ShowMessageBox(const MessageBoxParams& params) override;
  std::optional<FileDialogResult> ShowFileDialog(const FileDialogParams& params) override;

  // --- The test's side ---
  void AdvanceClock(std::uint32_t milliseconds) { clock_.Advance(milliseconds); }
  // Steps run one by one whenever a modal loop waits for input (a popup menu, a message loop).
  void ScheduleStep(std::function<void()> step) { steps_.push_back(std::move(step)); }
  // The answers of the next file dialogs, in order; nullopt cancels. Unanswered dialogs are
  // cancelled; message boxes are always confirmed with OK.
  void AnswerFileDialog(std::optional<std::string> fileName, int filterIndex = 1);
  // The answers of the next questions ("Yes" and "No" boxes), in order; an unanswered one is
  // answered "No", which changes nothing.
  void AnswerQuestion(bool yes) { questionAnswers_.push_back(yes ? IDYES : IDNO); }
  // Runs inside the next dialog, while it is open, before it is answered.
  void WhileNextDialogOpen(std::function<void()> step) { dialogSteps_.push_back(std::move(step)); }
  const std::vector<DialogRecord>& Dialogs() const { return dialogs_; }
  const NativeWindow* Native(HWND window) const;
  const ScreenScale& Scale() const { return scale_; }

 private:
  void RunDialogStep();

  TRect workArea_;
  ScreenScale scale_;
  VirtualClock clock_;
  std::map<HWND, NativeWindow> natives_;
  std::deque<std::function<void()>> steps_;
  std::deque<std::optional<FileDialogResult>> fileAnswers_;
  std::deque<int> questionAnswers_;
  std::deque<std::function<void()>> dialogSteps_;
  std::vector<DialogRecord> dialogs_;
  std::string clipboard_;
};

}  // namespace platform
