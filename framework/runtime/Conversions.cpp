#include "framework/runtime/Conversions.h"

#include <string>

#include "framework/runtime/Exceptions.h"
#include "framework/runtime/Format.h"
#include "framework/runtime/ResStrings.h"

namespace framework {

namespace {

int DigitValue(char c, int base) {
  int digit = base;
  if (c >= '0' && c <= '9')
    digit = c - '0';
  else if (c >= 'a' && c <= 'f')
    digit = c - 'a' + 10;
  else if (c >= 'A' && c <= 'F')
    digit = c - 'A' + 10;
  return digit < base ? digit : -1;
}

// Length of the hexadecimal prefix at the start of text, 0 when it has none.
std::size_t HexPrefix(std::string_view text) {
  if (text.starts_with('$') || text.starts_with('x') || text.starts_with('X')) return 1;
  if (text.starts_with("0x") || text.starts_with("0X")) return 2;
  return 0;
}

}  // namespace

bool TryStrToInt(std::string_view text, std::int32_t& value) {
  std::size_t i = text.find_first_not_of(' ');
  if (i == std::string_view::npos) return false;
  const bool negative = text[i] == '-';
  if (text[i] == '-' || text[i] == '+') ++i;
  const std::size_t prefix = HexPrefix(text.substr(i));
  const int base = prefix ? 16 : 10;
  i += prefix;
  if (i == text.size()) return false;

  // Decimal allows 2^31 - 1 (2^31 when negative); hexadecimal any 32-bit pattern.
  const std::uint64_t limit = base == 16 ? 0xFFFFFFFFu : (negative ? 0x80000000u : 0x7FFFFFFFu);
  std::uint64_t magnitude = 0;
  for (; i < text.size(); ++i) {
    const int digit = DigitValue(text[i], base);
    if (digit < 0) return false;
    magnitude = magnitude * base + static_cast<std::uint64_t>(digit);
    if (magnitude > limit) return false;
  }
  const auto bits = static_cast<std::uint32_t>(magnitude);
  value = static_cast<std::int32_t>(negative ? 0u - bits : bits);
  return true;
}

std::int32_t StrToInt(std::string_view text) {
  std::int32_t value = 0;
  if (!TryStrToInt(text, value)) throw EConvertError(Format(SInvalidInteger, {text}));
  return value;
}

std::int32_t StrToIntDef(std::string_view text, std::int32_t fallback) {
  std::int32_t value = 0;
  return TryStrToInt(text, value) ? value : fallback;
}

}  // namespace framework
