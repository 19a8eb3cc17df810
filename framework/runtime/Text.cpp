#include "framework/runtime/Text.h"

#include <algorithm>

namespace framework {

namespace {

char AsciiUpper(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}
bool IsBlank(char c) {
  return static_cast<unsigned char>(c) <= ' ';
}
bool IsIdentStart(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}
bool IsIdentChar(char c) {
  return IsIdentStart(c) || (c >= '0' && c <= '9');
}

}  // namespace

bool SameText(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, [](char x, char y) { return AsciiUpper(x) == AsciiUpper(y); });
}

std::size_t TextHash(std::string_view text) {
  // FNV-1a over the upper-case letters.
  std::size_t hash = 14695981039346656037ULL;
  for (const char c : text)
    hash = (hash ^ static_cast<unsigned char>(AsciiUpper(c))) * 1099511628211ULL;
  return hash;
}

std::string UpperCase(std::string_view text) {
  std::string out(text);
  std::ranges::transform(out, out.begin(), AsciiUpper);
  return out;
}

std::string Trim(std::string_view text) {
  const auto first = std::ranges::find_if_not(text, IsBlank);
  const auto last = std::find_if_not(text.rbegin(), text.rend(), IsBlank).base();
  return first < last ? std::string(first, last) : std::string();
}

bool IsValidIdent(std::string_view text) {
  return !text.empty() && IsIdentStart(text[0]) && std::ranges::all_of(text, IsIdentChar);
}

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      lines.emplace_back(text.substr(start));
      break;
    }
    lines.emplace_back(text.substr(start, end - start));
    start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
  }
  return lines;
}

}  // namespace framework
