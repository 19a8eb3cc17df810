#include "tests/randomuser/RandomUser.h"

#include <exception>
#include <optional>

#include "app/Bezier.h"
#include "platform/kernel/FileSystem.h"
#include "resources/Embedded.h"
#include "skinengine/controls/sCustomButton.h"
#include "skinengine/controls/sEdit.h"
#include "styled/suiGrid.h"

namespace randomuser {

namespace {

constexpr std::size_t RecentActions = 12;

// The disk an answer puts in place for the action's time, or none.
std::unique_ptr<platform::FileSystem> DiskOf(const TAnswer& answer) {
  if (answer.Kind != TAnswerKind::FailingDisk) return nullptr;
  if (answer.Changing) return std::make_unique<testsupport::ChangingFile>(7);
  return std::make_unique<testsupport::FailingDisk>(answer.Call, answer.Error);
}

}  // namespace

TRandomUser::TRandomUser(std::uint64_t seed) : random_(seed), answers_(random_) {
  resources::RegisterEmbeddedResources();
  Start();
}

TRandomUser::~TRandomUser() {
  Stop();
}

void TRandomUser::Start() {
  session_ = std::make_unique<platform::HeadlessSession>();
  app_ = std::make_unique<framework::TApplication>();
  form_ = app_->CreateForm<Bezier::TForm1>();
  form_->ShowForm();
  app_->ProcessMessages();
  ++tally_.Starts;
  form_->Gambar->OnClick = [this, draw = form_->Gambar->OnClick](framework::TObject* sender) {
    ++tally_.Drawings;
    draw(sender);
  };
  // The counts that sized the table, as they stood when "Nilai (M x N)" did it.
  form_->BtMxN->OnClick = [this, size = form_->BtMxN->OnClick](framework::TObject* sender) {
    const std::pair<std::string, std::string> counts{form_->EdM->Text(), form_->EdN->Text()};
    size(sender);
    sizedBy_ = counts;
  };
  expectedRows_ = form_->SGInput->RowCount();
  answerPending_ = false;
  stepPending_ = false;
}

void TRandomUser::Stop() {
  form_ = nullptr;
  app_.reset();
  session_.reset();
}

void TRandomUser::Act() {
  if (app_->Terminated()) {
    Note("the tool is started again");
    Stop();
    Start();
  }
  PrepareAnswer();
  const TBefore before = Observe();
  modalSteps_ = 0;
  {
    const std::unique_ptr<platform::FileSystem> disk = DiskOf(pending_);
    std::optional<platform::ScopedFileSystem> failing;
    if (disk) failing.emplace(*disk);
    try {
      session_->Advance(static_cast<std::uint32_t>(Below(400)));
      RunAction();
      app_->ProcessMessages();
    } catch (const std::exception& e) {
      Fail(std::string("an exception escaped: ") + e.what());
    }
  }
  Check(before);
}

void TRandomUser::Note(const std::string& action) {
  recent_.push_back(action);
  if (recent_.size() > RecentActions) recent_.pop_front();
}

void TRandomUser::Fail(const std::string& what) const {
  throw TInvariantFailure(what);
}

}  // namespace randomuser
