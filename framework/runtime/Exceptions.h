#pragma once

#include <exception>
#include <string>
#include <utility>

namespace framework {

// The root of every error the tool reports; the application's handler shows Message().
class Exception : public std::exception {
 public:
  explicit Exception(std::string message) : message_(std::move(message)) {}

  const char* what() const noexcept override { return message_.c_str(); }
  const std::string& Message() const { return message_; }
  // A reader puts the place of a failure in front of a message raised deeper down and
  // rethrows the same object, so the class of the error is kept.
  void SetMessage(std::string message) { message_ = std::move(message); }

 private:
  std::string message_;
};

class EConvertError : public Exception {
 public:
  using Exception::Exception;
};

class EListError : public Exception {
 public:
  explicit EListError(int index);
};

class EComponentError : public Exception {
 public:
  using Exception::Exception;
};

class EStreamError : public Exception {
 public:
  using Exception::Exception;
};

// Damaged or unreadable stored data, and errors in stored descriptions.
class EReadError : public EStreamError {
 public:
  EReadError();
  explicit EReadError(std::string message) : EStreamError(std::move(message)) {}
};

class EFCreateError : public EStreamError {
 public:
  EFCreateError(const std::string& fileName, const std::string& reason);
};

class EFOpenError : public EStreamError {
 public:
  EFOpenError(const std::string& fileName, const std::string& reason);
};

// A failure of text-file input or output; ErrorCode() is the runtime's classic error number.
class EInOutError : public Exception {
 public:
  explicit EInOutError(int errorCode);
  // An error with a message of its own instead of the classic one.
  EInOutError(int errorCode, std::string message)
      : Exception(std::move(message)), errorCode_(errorCode) {}
  int ErrorCode() const { return errorCode_; }

 private:
  int errorCode_;
};

}  // namespace framework
