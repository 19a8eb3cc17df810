#include "platform/kernel/FileSystem.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

namespace platform {
namespace {

FileSystem& SystemCalls() {
  static FileSystem system;
  return system;
}

FileSystem* current = nullptr;

}  // namespace

int FileSystem::Open(const char* path, int flags, mode_t mode) {
  return ::open(path, flags | O_CLOEXEC, mode);
}

int FileSystem::Stat(int fd, struct stat& info) {
  return ::fstat(fd, &info);
}

ssize_t FileSystem::Read(int fd, void* buffer, std::size_t size) {
  return ::read(fd, buffer, size);
}

ssize_t FileSystem::Write(int fd, const void* data, std::size_t size) {
  return ::write(fd, data, size);
}

int FileSystem::SetMode(int fd, mode_t mode) {
  return ::fchmod(fd, mode);
}

int FileSystem::Flush(int fd) {
  return ::fsync(fd);
}

int FileSystem::Close(int fd) {
  return ::close(fd);
}

int FileSystem::Rename(const char* from, const char* to) {
  return std::rename(from, to);
}

int FileSystem::Remove(const char* path) {
  return ::unlink(path);
}

FileSystem& CurrentFileSystem() {
  return current ? *current : SystemCalls();
}

ScopedFileSystem::ScopedFileSystem(FileSystem& replacement) : previous_(current) {
  current = &replacement;
}

ScopedFileSystem::~ScopedFileSystem() {
  current = previous_;
}

}  // namespace platform
