#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace framework {

// Reads a text file line by line as the runtime's text files do: a line ends at a line feed,
// with or without a carriage return before it, and character 26 (Ctrl-Z) ends the file.
// A file that cannot be opened or read raises EInOutError.
std::vector<std::string> ReadTextFileLines(const std::string& fileName);

// The lines of a text file's content, by the same rules.
std::vector<std::string> SplitTextLines(std::string_view text);

}  // namespace framework
