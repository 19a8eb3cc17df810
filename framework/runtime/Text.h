#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace framework {

// Identifiers, section and key names are compared without regard to ASCII case.
bool SameText(std::string_view a, std::string_view b);
// A hash on which names equal by SameText agree.
std::size_t TextHash(std::string_view text);
std::string UpperCase(std::string_view text);

// Removes leading and trailing blanks and control characters.
std::string Trim(std::string_view text);

// A letter or underscore, then letters, digits or underscores.
bool IsValidIdent(std::string_view text);

// Splits at carriage return, line feed or both; a final line break adds no empty line.
std::vector<std::string> SplitLines(std::string_view text);

}  // namespace framework
