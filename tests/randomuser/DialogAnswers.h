#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <random>
#include <string>

#include "tests/support/FailingDisk.h"

namespace randomuser {

// What the random user picks in a file dialog.
enum class TAnswerKind {
  Cancel,
  PointFile,    // written as the tool writes them, now and then with odd line ends or counts
  Garbage,      // bytes of any kind, or a point file damaged
  Missing,      // a name where nothing is
  Folder,       // a folder's name
  Unwritable,   // a save target that cannot be made: in a missing folder, under a file
  NewFile,      // a free name to save to, now and then without extension
  FailingDisk,  // a point file on a disk that fails one kind of call
};

struct TAnswer {
  TAnswerKind Kind = TAnswerKind::Cancel;
  std::string Path;  // as the dialog answers it
  testsupport::FailingDisk::Call Call = testsupport::FailingDisk::Call::Open;
  int Error = 0;
  // A disk whose size checks see a changed file instead of one that fails a call.
  bool Changing = false;
};

// The answer in words, for the report of a failed run.
std::string Describe(const TAnswer& answer);

// The folder of files the scripted dialogs answer with, made afresh for a run and removed
// with it. Saves may add files to it, which later answers pick up again.
class TDialogAnswers {
 public:
  explicit TDialogAnswers(std::mt19937_64& random);
  ~TDialogAnswers();
  TDialogAnswers(const TDialogAnswers&) = delete;
  TDialogAnswers& operator=(const TDialogAnswers&) = delete;

  TAnswer Pick();
  // Files of a failed save left beside their target.
  bool TemporariesLeft() const;

 private:
  std::string PointFile(const std::string& name);
  std::string Garbage(const std::string& name);
  std::string Existing();
  int Below(int bound) { return std::uniform_int_distribution<int>(0, bound - 1)(random_); }

  std::mt19937_64& random_;
  std::filesystem::path folder_;
  int made_ = 0;
};

}  // namespace randomuser
