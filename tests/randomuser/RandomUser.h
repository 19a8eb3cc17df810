#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <random>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "framework/forms/Application.h"
#include "platform/headless/Headless.h"
#include "tests/randomuser/DialogAnswers.h"

namespace Bezier {
class TForm1;
}
namespace framework {
class TControl;
}

namespace randomuser {

// An invariant that did not hold after an action.
class TInvariantFailure : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// How far the user got: the commands that ran, the boxes seen, the fresh starts.
struct TTally {
  unsigned long long Drawings = 0, Opens = 0, Saves = 0, MessageBoxes = 0, Starts = 0;
};

// A user who does plausible things at random to the tool's real main window on a headless
// desktop, the same things for the same seed, and checks after every action that the window
// is still sound. Closing the tool starts it again.
class TRandomUser {
 public:
  explicit TRandomUser(std::uint64_t seed);
  ~TRandomUser();
  TRandomUser(const TRandomUser&) = delete;
  TRandomUser& operator=(const TRandomUser&) = delete;

  // One action, then the checks; a failed check throws TInvariantFailure.
  void Act();
  // The last actions, oldest first.
  const std::deque<std::string>& Recent() const { return recent_; }
  const TTally& Tally() const { return tally_; }

 private:
  // The state of the window before an action, as the checks after it need it.
  struct TBefore {
    bool DrawButtonEnabled = false;
    std::string M, N;
    std::vector<std::vector<std::string>> Cells;
    std::vector<std::string> RecordedLines;
    std::size_t Dialogs = 0;
    std::size_t HistoryMoves = 0;  // undos and redos of the table so far
    // The content of the pending answer's file, and of the file a save would write.
    std::optional<std::string> Opened, Saved;
    // The content of the file a picture save would write, and whether anything has its name.
    std::optional<std::string> Pictured;
    bool PictureNameTaken = false;
  };

  void Start();
  void Stop();

  // --- Actions (Actions.cpp) ---
  void RunAction();
  void ClickAnywhere(bool twice);
  void ClickControl();
  void DoubleClickCell();
  void Drag();
  void TypeDigits();
  void TypeAnything();
  void ControlKey();
  void Tab();
  void EnterCount();
  void SizeFillAndDraw();
  void MenuByMouse();
  void MenuByKeyboard();
  void Hover();
  void Wheel();
  void InsideModalLoop();
  void KeepModalStepReady();

  // Input as the user gives it.
  void Click(platform::TPoint at, platform::MouseButton button = platform::MouseButton::Left);
  void Key(std::uint32_t virtualKey, std::uint32_t modifier = 0);
  void Type(const std::string& text);
  platform::TPoint Somewhere(int margin);
  platform::TPoint Inside(const framework::TControl& control);

  // --- Dialog answers and checks (Checks.cpp) ---
  void PrepareAnswer();
  TBefore Observe() const;
  void Check(const TBefore& before);
  void CheckRows(const TBefore& before);
  void CheckDialogs(const TBefore& before);
  void CheckOpen(const TBefore& before, const std::vector<std::string>& messages);
  void CheckSave(const TBefore& before, const std::vector<std::string>& messages);
  void CheckPictureSave(const TBefore& before, const std::vector<std::string>& messages);
  void CheckPainting();
  std::vector<std::string> NewMessages(const TBefore& before) const;

  int Below(int bound) { return std::uniform_int_distribution<int>(0, bound - 1)(random_); }
  bool OneIn(int n) { return Below(n) == 0; }
  void Note(const std::string& action);
  [[noreturn]] void Fail(const std::string& what) const;

  std::mt19937_64 random_;
  TDialogAnswers answers_;
  std::unique_ptr<platform::HeadlessSession> session_;
  std::unique_ptr<framework::TApplication> app_;
  Bezier::TForm1* form_ = nullptr;

  TAnswer pending_;  // the answer the next file dialog gets
  bool answerPending_ = false;
  bool stepPending_ = false;  // a step is ready for the next modal loop
  int modalSteps_ = 0;        // steps taken inside modal loops during this action
  int expectedRows_ = 0;
  std::optional<std::pair<std::string, std::string>> sizedBy_;  // during the last action
  std::deque<std::string> recent_;
  TTally tally_;
  unsigned long long actions_ = 0;
  static constexpr unsigned PaintCheckEvery = 16;
};

}  // namespace randomuser
