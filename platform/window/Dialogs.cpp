#include "platform/window/Dialogs.h"

#include "platform/window/Windows.h"

namespace platform {
namespace {

std::optional<FileDialogResult> RunFileDialog(FileDialogParams params, FileDialogKind kind) {
  params.Kind = kind;
  auto result = CurrentBackend().ShowFileDialog(params);
  if (result) result->FileName = ApplyDefaultExt(result->FileName, params.DefaultExt);
  return result;
}

}  // namespace

int MessageBox(const MessageBoxParams& params) {
  return CurrentBackend().ShowMessageBox(params);
}

std::optional<FileDialogResult> GetOpenFileName(const FileDialogParams& params) {
  return RunFileDialog(params, FileDialogKind::Open);
}

std::optional<FileDialogResult> GetSaveFileName(const FileDialogParams& params) {
  return RunFileDialog(params, FileDialogKind::Save);
}

std::string ApplyDefaultExt(const std::string& fileName, const std::string& defaultExt) {
  if (fileName.empty() || defaultExt.empty()) return fileName;
  const std::size_t slash = fileName.find_last_of('/');
  const std::size_t name = slash == std::string::npos ? 0 : slash + 1;
  if (name >= fileName.size() || fileName.find('.', name) != std::string::npos) return fileName;
  return fileName + "." + defaultExt;
}

}  // namespace platform
