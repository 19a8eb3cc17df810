#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace framework {

// Identifiers, section and key names are compared without regard to ASCII case.
bool SameText(std::string_view a, std::string_view b);
std::string UpperCase(std::string_view text);

// Removes leading and trailing blanks and control characters.
std::string Trim(std::string_view text);

// A letter or underscore, then letters, digits or underscores.
bool IsValidIdent(std::string_view text);

// Splits at carriage return, line feed or both; a final line break adds no empty line.
std::vector<std::string> SplitLines(std::string_view text);

}  // namespace framework
