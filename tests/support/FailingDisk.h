#pragma once

// File systems that fail as real disks do, for tests of what the program makes of it.

#include <fcntl.h>

#include <cerrno>
#include <cstddef>

#include "platform/kernel/FileSystem.h"

namespace testsupport {

// One kind of system call fails with one error number (a full disk, a read-only one, a broken
// one); every other call reaches the disk. A failing close still closes, as the system does.
class FailingDisk : public platform::FileSystem {
 public:
  enum class Call { Create, Open, Read, Write, SetMode, Flush, Close, Rename };

  FailingDisk(Call call, int error) : call_(call), error_(error) {}

  int Open(const char* path, int flags, mode_t mode) override {
    const Call call = (flags & O_CREAT) != 0 ? Call::Create : Call::Open;
    return Fails(call) ? -1 : FileSystem::Open(path, flags, mode);
  }
  ssize_t Read(int fd, void* buffer, std::size_t size) override {
    return Fails(Call::Read) ? -1 : FileSystem::Read(fd, buffer, size);
  }
  ssize_t Write(int fd, const void* data, std::size_t size) override {
    return Fails(Call::Write) ? -1 : FileSystem::Write(fd, data, size);
  }
  int SetMode(int fd, mode_t mode) override {
    return Fails(Call::SetMode) ? -1 : FileSystem::SetMode(fd, mode);
  }
  int Flush(int fd) override { return Fails(Call::Flush) ? -1 : FileSystem::Flush(fd); }
  int Close(int fd) override {
    const int closed = FileSystem::Close(fd);
    return Fails(Call::Close) ? -1 : closed;
  }
  int Rename(const char* from, const char* to) override {
    return Fails(Call::Rename) ? -1 : FileSystem::Rename(from, to);
  }

 private:
  bool Fails(Call call) const {
    if (call != call_) return false;
    errno = error_;
    return true;
  }

  Call call_;
  int error_;
};

// A file that another program makes longer or shorter while it is read: the size the system
// tells at opening differs from what reading then finds by delta bytes.
class ChangingFile : public platform::FileSystem {
 public:
  explicit ChangingFile(off_t delta) : delta_(delta) {}
  int Stat(int fd, struct stat& info) override {
    const int result = FileSystem::Stat(fd, info);
    info.st_size += delta_;
    return result;
  }

 private:
  off_t delta_;
};

// Writes a byte at a time, as a disk under pressure may.
class TrickleDisk : public platform::FileSystem {
 public:
  ssize_t Write(int fd, const void* data, std::size_t size) override {
    return FileSystem::Write(fd, data, size > 0 ? 1 : 0);
  }
};

}  // namespace testsupport
