#include "framework/runtime/Exceptions.h"

#include "framework/runtime/Format.h"
#include "framework/runtime/ResStrings.h"

namespace framework {

namespace {

std::string InOutMessage(int code) {
  switch (code) {
    case 2:
      return std::string(SFileNotFound);
    case 3:
      return std::string(SInvalidFilename);
    case 4:
      return std::string(STooManyOpenFiles);
    case 5:
      return std::string(SAccessDenied);
    case 100:
      return std::string(SEndOfFile);
    case 101:
      return std::string(SDiskFull);
    default:
      return Format(SInOutError, {code});
  }
}

}  // namespace

EListError::EListError(int index) : Exception(Format(SListIndexError, {index})) {}

EReadError::EReadError() : EStreamError(std::string(SReadError)) {}

EFCreateError::EFCreateError(const std::string& fileName, const std::string& reason)
    : EStreamError(Format(SFCreateErrorEx, {fileName, reason})) {}

EFOpenError::EFOpenError(const std::string& fileName, const std::string& reason)
    : EStreamError(Format(SFOpenErrorEx, {fileName, reason})) {}

EInOutError::EInOutError(int errorCode)
    : Exception(InOutMessage(errorCode)), errorCode_(errorCode) {}

}  // namespace framework
