#include "platform/headless/HeadlessBackend.h"

#include <array>
#include <cstring>

#include "platform/Error.h"

namespace platform {

void HeadlessBackend::CreateNative(HWND window, const TRect& screenBounds, bool popup) {
  NativeWindow& n = natives_[window];
  n.Bounds = scale_.ToDevice(screenBounds);
  n.Popup = popup;
}

void HeadlessBackend::SetNativeBounds(HWND window, const TRect& screenBounds) {
  if (auto it = natives_.find(window); it != natives_.end())
    it->second.Bounds = scale_.ToDevice(screenBounds);
}

void HeadlessBackend::SetNativeVisible(HWND window, bool visible, WindowState state) {
  if (visible) {
    std::vector<HWND> windows;
    for (const auto& [h, native] : natives_) windows.push_back(h);
    SettleOnShow(scale_, *this, window, workArea_.Size(), windows);
  }
  if (auto it = natives_.find(window); it != natives_.end()) {
    it->second.Visible = visible;
    it->second.State = state;
  }
}

void HeadlessBackend::SetNativeTitle(HWND window, const std::string& title) {
  if (auto it = natives_.find(window); it != natives_.end()) it->second.Title = title;
}

void HeadlessBackend::SetNativeShape(HWND window, const Region* shape) {
  if (auto it = natives_.find(window); it != natives_.end()) {
    it->second.Shape =
        shape != nullptr ? std::optional<Region>(scale_.ToDevice(*shape)) : std::nullopt;
  }
}

void HeadlessBackend::Present(HWND window, const Bitmap& backing, const TRect& rect) {
  auto it = natives_.find(window);
  if (it == natives_.end()) return;
  NativeWindow& n = it->second;
  const TRect device = scale_.ToDevice(backing.BoundsRect());
  if (n.Screen.Width() != device.Width() || n.Screen.Height() != device.Height())
    n.Screen = Bitmap(device.Width(), device.Height());
  const TRect area = rect.Intersect(backing.BoundsRect());
  if (scale_.Factor() == 1) {
    // The screen keeps the backing's own bytes, so rows copy as they are.
    for (int y = area.Top; y < area.Bottom; ++y)
      std::memcpy(n.Screen.ScanLine(y) + area.Left * 3, backing.ScanLine(y) + area.Left * 3,
                  static_cast<std::size_t>(area.Width()) * 3);
  } else {
    using Pixel = std::array<std::uint8_t, 3>;
    scale_.PresentBlocks<Pixel>(
        backing, area,
        [](const std::uint8_t* bgr) {
          return Pixel{bgr[0], bgr[1], bgr[2]};
        },
        [&n](int y, int left, const std::vector<Pixel>& row) {
          std::memcpy(n.Screen.ScanLine(y) + left * 3, row.data(), row.size() * 3);
        });
  }
  ++n.Presents;
}

void HeadlessBackend::WaitEvents(std::optional<std::uint32_t>) {
  if (steps_.empty())
    throw Error("Headless: the program waits for input and no scripted step is left");
  auto step = std::move(steps_.front());
  steps_.pop_front();
  step();
}

void HeadlessBackend::RunDialogStep() {
  if (dialogSteps_.empty()) return;
  auto step = std::move(dialogSteps_.front());
  dialogSteps_.pop_front();
  step();
}

int HeadlessBackend::ShowMessageBox(const MessageBoxParams& params) {
  dialogs_.push_back(DialogRecord{true, params, {}});
  RunDialogStep();
  if (params.Buttons == MessageBoxButtons::Ok) return IDOK;
  if (questionAnswers_.empty()) return IDNO;
  const int answer = questionAnswers_.front();
  questionAnswers_.pop_front();
  return answer;
}

std::optional<FileDialogResult> HeadlessBackend::ShowFileDialog(const FileDialogParams& params) {
  dialogs_.push_back(DialogRecord{false, {}, params});
  RunDialogStep();
  if (fileAnswers_.empty()) return std::nullopt;
  auto answer = fileAnswers_.front();
  fileAnswers_.pop_front();
  return answer;
}

void HeadlessBackend::AnswerFileDialog(std::optional<std::string> fileName, int filterIndex) {
  if (fileName) {
    fileAnswers_.push_back(FileDialogResult{*fileName, filterIndex});
  } else {
    fileAnswers_.push_back(std::nullopt);
  }
}

const HeadlessBackend::NativeWindow* HeadlessBackend::Native(HWND window) const {
  const auto it = natives_.find(window);
  return it == natives_.end() ? nullptr : &it->second;
}

}  // namespace platform
