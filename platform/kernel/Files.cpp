#include "platform/kernel/Files.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>

#include "platform/Error.h"

namespace platform {
namespace {

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

[[noreturn]] void Fail(const char* what, const std::string& path, int error) {
  throw Error(std::string(what) + " \"" + path + "\": " + std::strerror(error));
}

FilePtr Open(const std::string& path, const char* mode, const char* what) {
  FilePtr file(std::fopen(path.c_str(), mode));
  if (!file) Fail(what, path, errno);
  return file;
}

template <typename Container>
Container ReadAll(const std::string& path) {
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) Fail("Cannot open file", path, EISDIR);
  FilePtr file = Open(path, "rb", "Cannot open file");
  Container data;
  char buffer[65536];
  for (;;) {
    const std::size_t n = std::fread(buffer, 1, sizeof buffer, file.get());
    if (data.size() + n > MaxFileSize) Fail("Cannot read file", path, EFBIG);
    data.insert(data.end(), buffer, buffer + n);
    if (n < sizeof buffer) break;
  }
  if (std::ferror(file.get())) Fail("Cannot read file", path, EIO);
  return data;
}

void WriteAll(const std::string& path, const void* data, std::size_t size) {
  FilePtr file = Open(path, "wb", "Cannot create file");
  if (size > 0 && std::fwrite(data, 1, size, file.get()) != size)
    Fail("Cannot write file", path, errno);
  if (std::fclose(file.release()) != 0) Fail("Cannot write file", path, errno);
}

}  // namespace

std::vector<std::uint8_t> ReadBinaryFile(const std::string& path) {
  return ReadAll<std::vector<std::uint8_t>>(path);
}

std::string ReadTextFile(const std::string& path) {
  return ReadAll<std::string>(path);
}

void WriteBinaryFile(const std::string& path, const std::vector<std::uint8_t>& data) {
  WriteAll(path, data.data(), data.size());
}

void WriteTextFile(const std::string& path, std::string_view text) {
  WriteAll(path, text.data(), text.size());
}

bool FileExists(const std::string& path) {
  std::error_code ec;
  return std::filesystem::is_regular_file(path, ec);
}

std::string ProgramFolder() {
  std::error_code ec;
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) return "./";
  std::string folder = exe.parent_path().string();
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder;
}

}  // namespace platform
