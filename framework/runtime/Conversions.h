#pragma once

#include <cstdint>
#include <string_view>

namespace framework {

// The runtime's integer conversion: leading blanks, an optional sign, then decimal digits or
// hexadecimal digits after "$", "x", "X", "0x" or "0X", and nothing else. A decimal value
// must fit 32 signed bits; a hexadecimal one 32 bits, read as a bit pattern ("$FFFFFFFF" is -1).
bool TryStrToInt(std::string_view text, std::int32_t& value);

// As TryStrToInt; any other text raises EConvertError "'%s' is not a valid integer value".
std::int32_t StrToInt(std::string_view text);

std::int32_t StrToIntDef(std::string_view text, std::int32_t fallback);

}  // namespace framework
