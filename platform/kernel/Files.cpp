#include "platform/kernel/Files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "platform/kernel/FileSystem.h"

namespace platform {
namespace {

[[noreturn]] void Fail(std::string_view what, const std::string& path, int code) {
  throw FileError(what, path, code);
}

// Closes through the file system that opened it.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) CurrentFileSystem().Close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int Get() const { return fd_; }
  // Closes now; the error number of a failed close, or 0.
  int Close() {
    const int fd = fd_;
    fd_ = -1;
    return CurrentFileSystem().Close(fd) == 0 ? 0 : errno;
  }

 private:
  int fd_;
};

template <typename Container>
Container ReadAll(const std::string& path, std::uint64_t limit) {
  FileSystem& files = CurrentFileSystem();
  // A pipe gives what it holds instead of keeping the program waiting for a writer.
  const Descriptor file(files.Open(path.c_str(), O_RDONLY | O_NONBLOCK, 0));
  if (file.Get() < 0) Fail("Cannot open file", path, errno);
  struct stat info {};
  if (files.Stat(file.Get(), info) != 0) Fail("Cannot read file", path, errno);
  if (S_ISDIR(info.st_mode)) Fail("Cannot open file", path, EISDIR);
  const auto size = static_cast<std::uint64_t>(info.st_size);
  if (size > limit) Fail("Cannot read file", path, EFBIG);

  Container data;
  data.reserve(static_cast<std::size_t>(size));
  char buffer[65536];
  for (;;) {
    const ssize_t got = files.Read(file.Get(), buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) Fail("Cannot read file", path, errno);
    if (got == 0) break;
    if (data.size() + static_cast<std::size_t>(got) > limit) Fail("Cannot read file", path, EFBIG);
    data.insert(data.end(), buffer, buffer + got);
  }
  // Part old and part new content is neither. Files of the system's own folders that tell
  // no size are taken as read.
  if (S_ISREG(info.st_mode) && size > 0 && data.size() != size)
    Fail("Cannot read file", path, FileChanged);
  return data;
}

// The error number, or 0 when all was written.
int WriteAll(int fd, const char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t written = CurrentFileSystem().Write(fd, data, size);
    if (written < 0 && errno == EINTR) continue;
    if (written < 0) return errno;
    if (written == 0) return EIO;
    data += written;
    size -= static_cast<std::size_t>(written);
  }
  return 0;
}

// The file a path names, through any symbolic links; the path itself when it names none yet.
std::string FinalTarget(const std::string& path) {
  char resolved[PATH_MAX];
  return ::realpath(path.c_str(), resolved) ? std::string(resolved) : path;
}

// A new file beside target, named after it, so that nobody else's file is overwritten.
int CreateBeside(const std::string& target, std::string& tempName) {
  for (int attempt = 0;; ++attempt) {
    tempName = target + '.' + std::to_string(::getpid()) + '.' + std::to_string(attempt) + ".tmp";
    const int fd = CurrentFileSystem().Open(tempName.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0666);
    if (fd >= 0 || errno != EEXIST || attempt == 99) return fd;
  }
}

void WriteInPlace(const std::string& path, const char* data, std::size_t size) {
  // A pipe that nobody reads is refused instead of keeping the program waiting.
  Descriptor file(CurrentFileSystem().Open(path.c_str(), O_WRONLY | O_TRUNC | O_NONBLOCK, 0));
  if (file.Get() < 0) Fail("Cannot create file", path, errno);
  int error = WriteAll(file.Get(), data, size);
  const int closed = file.Close();
  if (error == 0) error = closed;
  if (error != 0) Fail("Cannot create file", path, error);
}

void Replace(const std::string& path, const char* data, std::size_t size) {
  const std::string target = FinalTarget(path);
  struct stat old {};
  const bool exists = ::stat(target.c_str(), &old) == 0;
  if (exists && S_ISDIR(old.st_mode)) Fail("Cannot create file", path, EISDIR);
  if (exists && !S_ISREG(old.st_mode)) {
    WriteInPlace(target, data, size);
    return;
  }

  FileSystem& files = CurrentFileSystem();
  std::string tempName;
  Descriptor temp(CreateBeside(target, tempName));
  if (temp.Get() < 0) Fail("Cannot create file", path, errno);
  int error = WriteAll(temp.Get(), data, size);
  if (error == 0 && exists && files.SetMode(temp.Get(), old.st_mode & 07777) != 0) error = errno;
  if (error == 0 && files.Flush(temp.Get()) != 0) error = errno;
  const int closed = temp.Close();
  if (error == 0) error = closed;
  if (error == 0 && files.Rename(tempName.c_str(), target.c_str()) != 0) error = errno;
  if (error != 0) {
    files.Remove(tempName.c_str());
    Fail("Cannot create file", path, error);
  }
}

}  // namespace

FileError::FileError(std::string_view what, const std::string& path, int code)
    : Error(std::string(what) + " \"" + path + "\": " + FileErrorText(code)), code_(code) {}

std::string FileErrorText(int code) {
  if (code == FileChanged) return "The file changed while it was read";
  return std::strerror(code);
}

std::vector<std::uint8_t> ReadBinaryFile(const std::string& path, std::uint64_t limit) {
  return ReadAll<std::vector<std::uint8_t>>(path, limit);
}

std::string ReadTextFile(const std::string& path, std::uint64_t limit) {
  return ReadAll<std::string>(path, limit);
}

void WriteBinaryFile(const std::string& path, std::span<const std::uint8_t> data) {
  Replace(path, reinterpret_cast<const char*>(data.data()), data.size());
}

void WriteTextFile(const std::string& path, std::string_view text) {
  Replace(path, text.data(), text.size());
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
