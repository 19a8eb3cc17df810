#pragma once

#include <sys/stat.h>
#include <sys/types.h>

#include <cstddef>

namespace platform {

// The system calls behind every file the program reads or writes, with the system's
// conventions (-1 and errno on failure). Tests put a disk that fails in their place.
class FileSystem {
 public:
  virtual ~FileSystem() = default;

  virtual int Open(const char* path, int flags, mode_t mode);
  virtual int Stat(int fd, struct stat& info);
  virtual ssize_t Read(int fd, void* buffer, std::size_t size);
  virtual ssize_t Write(int fd, const void* data, std::size_t size);
  virtual int SetMode(int fd, mode_t mode);
  // Waits until what was written is on the disk.
  virtual int Flush(int fd);
  virtual int Close(int fd);
  virtual int Rename(const char* from, const char* to);
  virtual int Remove(const char* path);
};

FileSystem& CurrentFileSystem();

// Puts a file system in place of the current one for the object's lifetime.
class ScopedFileSystem {
 public:
  explicit ScopedFileSystem(FileSystem& replacement);
  ~ScopedFileSystem();
  ScopedFileSystem(const ScopedFileSystem&) = delete;
  ScopedFileSystem& operator=(const ScopedFileSystem&) = delete;

 private:
  FileSystem* previous_;
};

}  // namespace platform
