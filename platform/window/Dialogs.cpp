#include "platform/window/Dialogs.h"

#include <filesystem>

#include "platform/window/Input.h"
#include "platform/window/WindowSystem.h"
#include "platform/window/Windows.h"

namespace platform {
namespace {

// An open dialog has the mouse and the keyboard: our active window is deactivated for its
// time and activated again afterwards, which lets it give the focus back where it was.
class ModalScope {
 public:
  ModalScope() : active_(GetActiveWindow()) {
    InputMouseExit();
    SetActiveWindow(NullWindow);
  }
  ~ModalScope() {
    if (IsWindow(active_) && IsWindowVisible(active_)) SetActiveWindow(active_);
  }
  ModalScope(const ModalScope&) = delete;
  ModalScope& operator=(const ModalScope&) = delete;

 private:
  HWND active_;
};

// A dialog without a folder of its own opens where the last file was chosen, or in the
// working directory the first time; a name it is given is looked for there.
void ChooseFolder(FileDialogParams& params) {
  if (params.InitialDir.empty()) {
    const std::string& last = Sys().DialogFolder;
    params.InitialDir = last.empty() ? std::filesystem::current_path().string() : last;
  }
  params.FileName = std::filesystem::path(params.FileName).filename().string();
}

// Whether an existing file may be replaced; the question names the file where it has %s.
bool MayReplace(const FileDialogParams& params, const std::string& fileName) {
  std::error_code ec;
  if (params.OverwriteQuestion.empty() || !std::filesystem::exists(fileName, ec)) return true;
  std::string text = params.OverwriteQuestion;
  if (const std::size_t at = text.find("%s"); at != std::string::npos)
    text.replace(at, 2, fileName);
  const MessageBoxParams question{params.Owner, MessageBoxKind::Warning, params.Title, text,
                                  MessageBoxButtons::YesNo};
  return CurrentBackend().ShowMessageBox(question) == IDYES;
}

std::optional<FileDialogResult> RunFileDialog(FileDialogParams params, FileDialogKind kind) {
  params.Kind = kind;
  ChooseFolder(params);
  const ModalScope modal;
  for (;;) {
    auto result = CurrentBackend().ShowFileDialog(params);
    if (!result) return result;
    result->FileName = ApplyDefaultExt(result->FileName, params.DefaultExt);
    const std::filesystem::path chosen(result->FileName);
    Sys().DialogFolder = chosen.parent_path().string();
    if (MayReplace(params, result->FileName)) return result;
    // "No" takes the user back to the dialog, at the name just chosen.
    params.InitialDir = Sys().DialogFolder;
    params.FileName = chosen.filename().string();
  }
}

}  // namespace

int MessageBox(const MessageBoxParams& params) {
  const ModalScope modal;
  return CurrentBackend().ShowMessageBox(params);
}

std::optional<FileDialogResult> GetOpenFileName(const FileDialogParams& params) {
  return RunFileDialog(params, FileDialogKind::Open);
}

std::optional<FileDialogResult> GetSaveFileName(const FileDialogParams& params) {
  return RunFileDialog(params, FileDialogKind::Save);
}

std::optional<FileDialogResult> GetFolderName(const FileDialogParams& params) {
  return RunFileDialog(params, FileDialogKind::Folder);
}

std::string ApplyDefaultExt(const std::string& fileName, const std::string& defaultExt) {
  if (fileName.empty() || defaultExt.empty()) return fileName;
  const std::size_t slash = fileName.find_last_of('/');
  const std::size_t name = slash == std::string::npos ? 0 : slash + 1;
  if (name >= fileName.size() || fileName.find('.', name) != std::string::npos) return fileName;
  return fileName + "." + defaultExt;
}

}  // namespace platform
