#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/window/WindowTypes.h"

namespace platform {

enum class MessageBoxKind { Error, Information, Warning, Custom };

inline constexpr int IDOK = 1;

struct MessageBoxParams {
  HWND Owner = NullWindow;
  MessageBoxKind Kind = MessageBoxKind::Information;
  std::string Caption;
  std::string Text;
};

enum class FileDialogKind { Open, Save, Folder };

struct FileDialogParams {
  HWND Owner = NullWindow;
  FileDialogKind Kind = FileDialogKind::Open;
  std::string Title;
  // Pairs of description and pattern ("Text files (*.txt)", "*.txt;*.bak").
  std::vector<std::pair<std::string, std::string>> Filters;
  int FilterIndex = 1;     // the preselected filter, counted from 1
  std::string DefaultExt;  // without the dot; appended to a name typed without one
  std::string InitialDir;
  std::string FileName;
};

struct FileDialogResult {
  std::string FileName;
  int FilterIndex = 1;
};

// Modal message box with one "OK" button; answers IDOK. Our windows keep repainting while it
// is open, but it has the mouse and the keyboard: the active window is deactivated until it
// closes.
int MessageBox(const MessageBoxParams& params);

// File-open and file-save dialogs, modal as message boxes are; nullopt when cancelled. A
// confirmed name without an extension gets DefaultExt. Without an InitialDir a dialog opens
// in the folder of the last file chosen in one (the working directory at first), and only the
// name part of FileName is offered there.
std::optional<FileDialogResult> GetOpenFileName(const FileDialogParams& params);
std::optional<FileDialogResult> GetSaveFileName(const FileDialogParams& params);
// The same for choosing a folder; the filters are not used.
std::optional<FileDialogResult> GetFolderName(const FileDialogParams& params);

// Appends ".ext" to a file name that has no extension in its last path component.
std::string ApplyDefaultExt(const std::string& fileName, const std::string& defaultExt);

}  // namespace platform
