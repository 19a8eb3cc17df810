#include "framework/runtime/Files.h"

#include <sys/stat.h>

#include "platform/kernel/Files.h"

namespace framework {

std::optional<std::string> ReadWholeFile(const std::string& fileName, int& error) {
  try {
    return platform::ReadTextFile(fileName, MaxFileSize);
  } catch (const platform::FileError& e) {
    error = e.Code();
    return std::nullopt;
  }
}

bool WriteWholeFile(const std::string& fileName, std::string_view data, int& error) {
  try {
    platform::WriteTextFile(fileName, data);
    return true;
  } catch (const platform::FileError& e) {
    error = e.Code();
    return false;
  }
}

bool FileExists(const std::string& fileName) {
  struct stat info {};
  return ::stat(fileName.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

std::string SysErrorMessage(int error) {
  return platform::FileErrorText(error);
}

}  // namespace framework
