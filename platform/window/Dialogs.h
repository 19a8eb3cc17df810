#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/window/WindowTypes.h"

namespace platform {

enum class MessageBoxKind { Error, Information, Warning, Custom };
enum class MessageBoxButtons { Ok, YesNo };

inline constexpr int IDOK = 1;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;

struct MessageBoxParams {
  HWND Owner = NullWindow;
  MessageBoxKind Kind = MessageBoxKind::Information;
  std::string Caption;
  std::string Text;
  MessageBoxButtons Buttons = MessageBoxButtons::Ok;
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
  // A save dialog asks this (a question with "Yes" and "No", %s standing for the file's name)
  // before it answers with a file that exists, and is shown again on "No"; empty: not asked.
  std::string OverwriteQuestion;
};

struct FileDialogResult {
  std::string FileName;
  int FilterIndex = 1;
};

// Modal message box with one "OK" button, answering IDOK, or with "Yes" and "No", answering
// IDYES or IDNO. Our windows keep repainting while it
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
