#include "framework/runtime/Format.h"

#include "framework/runtime/Exceptions.h"
#include "framework/runtime/ResStrings.h"

namespace framework {

namespace {

[[noreturn]] void InvalidFormat(std::string_view format) {
  const std::size_t at = SInvalidFormat.find("%s");
  throw EConvertError(std::string(SInvalidFormat.substr(0, at))
                          .append(format)
                          .append(SInvalidFormat.substr(at + 2)));
}

}  // namespace

std::string Format(std::string_view format, std::initializer_list<TFormatArg> args) {
  std::string out;
  auto next = args.begin();
  for (std::size_t i = 0; i < format.size(); ++i) {
    if (format[i] != '%') {
      out += format[i];
      continue;
    }
    if (++i == format.size()) InvalidFormat(format);
    const char conversion = format[i];
    if (conversion == '%') {
      out += '%';
      continue;
    }
    if (next == args.end()) InvalidFormat(format);
    const auto& value = (next++)->Value();
    if (conversion == 's' && std::holds_alternative<std::string_view>(value)) {
      out += std::get<std::string_view>(value);
    } else if (conversion == 'd' && std::holds_alternative<std::int64_t>(value)) {
      out += std::to_string(std::get<std::int64_t>(value));
    } else {
      InvalidFormat(format);
    }
  }
  return out;
}

}  // namespace framework
