#pragma once

#include <string>
#include <utility>
#include <vector>

#include "framework/classes/Component.h"
#include "platform/window/Dialogs.h"

namespace framework {

// The file dialogs: Filter is "description|pattern|description|pattern..."; FilterIndex
// counts from 1; a confirmed name without an extension gets DefaultExt.
class TOpenDialog : public TComponent {
 public:
  explicit TOpenDialog(TComponent* owner) : TComponent(owner) {}

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  const std::string& DefaultExt() const { return defaultExt_; }
  void SetDefaultExt(const std::string& ext) { defaultExt_ = ext; }
  const std::string& FileName() const { return fileName_; }
  void SetFileName(const std::string& name) { fileName_ = name; }
  const std::string& Filter() const { return filter_; }
  void SetFilter(const std::string& filter) { filter_ = filter; }
  int FilterIndex() const { return filterIndex_; }
  void SetFilterIndex(int index) { filterIndex_ = index; }
  const std::string& InitialDir() const { return initialDir_; }
  void SetInitialDir(const std::string& dir) { initialDir_ = dir; }
  const std::string& Title() const { return title_; }
  void SetTitle(const std::string& title) { title_ = title; }

  // Shows the dialog; true, with FileName and FilterIndex set, when a file was chosen.
  bool Execute();

 protected:
  virtual platform::FileDialogKind Kind() const { return platform::FileDialogKind::Open; }
  std::string overwriteQuestion_;

 private:
  std::string defaultExt_;
  std::string fileName_;
  std::string filter_;
  int filterIndex_ = 1;
  std::string initialDir_;
  std::string title_;
};

class TSaveDialog : public TOpenDialog {
 public:
  using TOpenDialog::TOpenDialog;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  // Asked ("Yes" or "No", %s for the file's name) before an existing file is chosen; empty,
  // as at first, for none beyond what the desktop's dialog asks itself.
  const std::string& OverwriteQuestion() const { return overwriteQuestion_; }
  void SetOverwriteQuestion(const std::string& text) { overwriteQuestion_ = text; }

 protected:
  platform::FileDialogKind Kind() const override { return platform::FileDialogKind::Save; }
};

// A folder chooser: FileName is the folder chosen.
class TFolderDialog : public TOpenDialog {
 public:
  using TOpenDialog::TOpenDialog;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

 protected:
  platform::FileDialogKind Kind() const override { return platform::FileDialogKind::Folder; }
};

// The pairs of a filter string; a description without a pattern is left out.
std::vector<std::pair<std::string, std::string>> ParseFilter(const std::string& filter);

}  // namespace framework
