#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Error.h"

namespace platform {

// Whole-file reads and writes through the current FileSystem.
inline constexpr std::uint64_t MaxFileSize = std::uint64_t{1} << 30;

// The error number of a file that changed its size while it was read; the system has none.
inline constexpr int FileChanged = -1;

// A failed file access, named in the message with its file and reason. Code() is the system's
// error number, or FileChanged.
class FileError : public Error {
 public:
  FileError(std::string_view what, const std::string& path, int code);
  int Code() const { return code_; }

 private:
  int code_;
};

// The reason for an error number, as file error messages give it.
std::string FileErrorText(int code);

// Reads a whole file. A folder, a file larger than limit, and a file whose size changes while
// it is read throw FileError, as every failure of the system does.
std::vector<std::uint8_t> ReadBinaryFile(const std::string& path,
                                         std::uint64_t limit = MaxFileSize);
std::string ReadTextFile(const std::string& path, std::uint64_t limit = MaxFileSize);

// Creates or replaces a file. The data go to a new file beside it, which takes the old one's
// place (and permissions) only once it is complete on the disk: a failure throws FileError and
// leaves the previous file as it was and no new file behind. Through a symbolic link the file
// it names is replaced; a device or a pipe is written in place.
void WriteBinaryFile(const std::string& path, std::span<const std::uint8_t> data);
void WriteTextFile(const std::string& path, std::string_view text);

bool FileExists(const std::string& path);

// The folder that holds the running program, with a trailing separator.
std::string ProgramFolder();

}  // namespace platform
