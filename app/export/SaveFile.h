#pragma once

#include <string>
#include <string_view>

namespace Bezier {

// What a save dialog asks before it replaces a file, %s its name.
inline constexpr const char* OverwriteQuestion = "Berkas \"%s\" sudah ada.\nGanti berkas itu?";

// Creates or replaces a file as the point files are saved: the data reach the disk beside it
// first, so a failure raises EFCreateError "Cannot create file "%s". %s" and leaves the
// previous file as it was.
void SaveFileData(const std::string& fileName, std::string_view data);

}  // namespace Bezier
