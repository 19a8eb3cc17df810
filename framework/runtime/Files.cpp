#include "framework/runtime/Files.h"

#include <cerrno>
#include <cstdio>
#include <memory>
#include <system_error>

#include <sys/stat.h>

namespace framework {

namespace {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

}  // namespace

std::optional<std::string> ReadWholeFile(const std::string& fileName, int& error) {
  struct stat info {};
  if (::stat(fileName.c_str(), &info) != 0) {
    error = errno;
    return std::nullopt;
  }
  if (S_ISDIR(info.st_mode)) {
    error = EISDIR;
    return std::nullopt;
  }
  FilePtr file(std::fopen(fileName.c_str(), "rb"));
  if (!file) {
    error = errno;
    return std::nullopt;
  }
  std::string data;
  char buffer[65536];
  while (const std::size_t got = std::fread(buffer, 1, sizeof buffer, file.get())) {
    if (data.size() + got > MaxFileSize) {
      error = EFBIG;
      return std::nullopt;
    }
    data.append(buffer, got);
  }
  if (std::ferror(file.get())) {
    error = EIO;
    return std::nullopt;
  }
  return data;
}

bool WriteWholeFile(const std::string& fileName, std::string_view data, int& error) {
  FilePtr file(std::fopen(fileName.c_str(), "wb"));
  if (!file) {
    error = errno;
    return false;
  }
  errno = 0;
  const bool written = std::fwrite(data.data(), 1, data.size(), file.get()) == data.size();
  if (std::fclose(file.release()) != 0 || !written) {
    error = errno ? errno : EIO;
    return false;
  }
  return true;
}

bool FileExists(const std::string& fileName) {
  struct stat info {};
  return ::stat(fileName.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

std::string SysErrorMessage(int error) {
  return std::generic_category().message(error);
}

}  // namespace framework
