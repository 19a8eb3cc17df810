#pragma once

#include <string_view>

namespace framework {

// The texts of the runtime's errors, as the user sees them in the error box.
inline constexpr std::string_view SInvalidInteger = "'%s' is not a valid integer value";
inline constexpr std::string_view SInvalidFormat =
    "Format '%s' invalid or incompatible with argument";
inline constexpr std::string_view SFCreateErrorEx = "Cannot create file \"%s\". %s";
inline constexpr std::string_view SFOpenErrorEx = "Cannot open file \"%s\". %s";
inline constexpr std::string_view SReadError = "Stream read error";
inline constexpr std::string_view SListIndexError = "List index out of bounds (%d)";
inline constexpr std::string_view SAssignError = "Cannot assign a %s to a %s";
inline constexpr std::string_view SPropertyOutOfRange = "Value %d is out of the property's range";
inline constexpr std::string_view SInvalidReference = "%s is not a %s";
inline constexpr std::string_view SDuplicateName = "A component named %s already exists";
inline constexpr std::string_view SDuplicateClass = "A class named %s is already registered";
inline constexpr std::string_view SInvalidName = "'%s' is not a valid component name";
inline constexpr std::string_view SCircularOwner = "%s cannot own itself or its owners";
inline constexpr std::string_view SInOutError = "I/O error %d";
inline constexpr std::string_view SFileNotFound = "File not found";
inline constexpr std::string_view SInvalidFilename = "Invalid filename";
inline constexpr std::string_view STooManyOpenFiles = "Too many open files";
inline constexpr std::string_view SAccessDenied = "File access denied";
inline constexpr std::string_view SEndOfFile = "Read beyond end of file";
inline constexpr std::string_view SDiskFull = "Disk full";

}  // namespace framework
