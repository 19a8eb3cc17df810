#pragma once

#include <concepts>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>

namespace framework {

// One argument of Format: a text for %s or an integer for %d.
class TFormatArg {
 public:
  TFormatArg(std::string_view text) : value_(text) {}
  TFormatArg(const std::string& text) : value_(std::string_view(text)) {}
  TFormatArg(const char* text) : value_(std::string_view(text)) {}
  template <std::integral I>
  TFormatArg(I number) : value_(static_cast<std::int64_t>(number)) {}

  const std::variant<std::string_view, std::int64_t>& Value() const { return value_; }

 private:
  std::variant<std::string_view, std::int64_t> value_;
};

// Fills %s (text) and %d (integer) from the arguments in order; %% is a percent sign. A
// specifier without a matching argument raises EConvertError.
std::string Format(std::string_view format, std::initializer_list<TFormatArg> args);

}  // namespace framework
