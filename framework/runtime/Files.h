#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace framework {

// Files are read whole; a file beyond this size is refused rather than loaded into memory.
inline constexpr std::size_t MaxFileSize = std::size_t{64} << 20;

// Whole-file access that reports the system's error number (or platform::FileChanged), so that
// each caller raises the error class its users expect (EFOpenError for lists, EInOutError for
// text files). Writing replaces a file only once the new content is complete.
std::optional<std::string> ReadWholeFile(const std::string& fileName, int& error);
bool WriteWholeFile(const std::string& fileName, std::string_view data, int& error);

bool FileExists(const std::string& fileName);

// The system's text for an error number, as the second part of "Cannot open file" messages.
std::string SysErrorMessage(int error);

}  // namespace framework
