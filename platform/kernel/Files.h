#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Whole-file reads and writes. Every failure throws platform::Error naming the file and the
// reason; a file larger than MaxFileSize is refused rather than loaded.
inline constexpr std::uint64_t MaxFileSize = std::uint64_t{1} << 30;

std::vector<std::uint8_t> ReadBinaryFile(const std::string& path);
std::string ReadTextFile(const std::string& path);
void WriteBinaryFile(const std::string& path, const std::vector<std::uint8_t>& data);
void WriteTextFile(const std::string& path, std::string_view text);
bool FileExists(const std::string& path);

// The folder that holds the running program, with a trailing separator.
std::string ProgramFolder();

}  // namespace platform
