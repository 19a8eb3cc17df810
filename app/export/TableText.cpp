#include "app/export/TableText.h"

#include <charconv>
#include <limits>

#include "framework/runtime/Exceptions.h"

namespace Bezier {

namespace {

constexpr std::string_view Separators = "\t;, ";

std::vector<std::string_view> Lines(std::string_view text) {
  std::vector<std::string_view> lines;
  for (std::size_t start = 0; start <= text.size();) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    start = end + 1;
  }
  while (!lines.empty() && lines.back().find_first_not_of(Separators) == std::string_view::npos)
    lines.pop_back();
  return lines;
}

std::vector<std::string_view> Fields(std::string_view line) {
  std::vector<std::string_view> fields;
  for (std::size_t start = line.find_first_not_of(Separators); start != std::string_view::npos;) {
    const std::size_t end = line.find_first_of(Separators, start);
    fields.push_back(line.substr(start, end - start));
    if (end == std::string_view::npos) break;
    start = line.find_first_not_of(Separators, end);
  }
  return fields;
}

enum class TNumber { Valid, NotInteger, OutOfRange };

// A decimal integer with an optional sign, as the cells hold them.
TNumber ReadInteger(std::string_view field, std::int32_t& value) {
  std::string_view digits = field;
  if (!digits.empty() && (digits.front() == '+' || digits.front() == '-')) digits.remove_prefix(1);
  if (digits.empty() || digits.find_first_not_of("0123456789") != std::string_view::npos)
    return TNumber::NotInteger;
  const char* first = field.data() + (field.front() == '+' ? 1 : 0);
  const auto [end, error] = std::from_chars(first, field.data() + field.size(), value);
  return error == std::errc() && end == field.data() + field.size() ? TNumber::Valid
                                                                    : TNumber::OutOfRange;
}

[[noreturn]] void Refuse(std::size_t line, const std::string& why) {
  throw framework::Exception("Baris " + std::to_string(line) + " papan klip: " + why);
}

TPointValues ReadPoint(const std::vector<std::string_view>& fields, std::size_t line,
                       std::string_view text) {
  if (fields.size() != 3)
    Refuse(line, std::to_string(fields.size()) + " nilai, harus 3 (X, Y, Z): \"" +
                     std::string(text) + "\"");
  TPointValues point{};
  for (std::size_t k = 0; k < 3; ++k) {
    const std::string field(fields[k]);
    switch (ReadInteger(fields[k], point[k])) {
      case TNumber::Valid:
        break;
      case TNumber::NotInteger:
        Refuse(line, "\"" + field + "\" bukan bilangan bulat");
      case TNumber::OutOfRange:
        Refuse(line, field + " di luar jangkauan bilangan bulat 32-bit");
    }
  }
  return point;
}

bool IsHeader(const std::vector<std::string_view>& fields) {
  std::int32_t ignored = 0;
  for (const std::string_view field : fields)
    if (ReadInteger(field, ignored) != TNumber::NotInteger) return false;
  return true;
}

}  // namespace

std::string TableText(const std::vector<TCellTexts>& rows) {
  std::string text;
  for (const TCellTexts& row : rows) {
    text += row[0];
    text += '\t';
    text += row[1];
    text += '\t';
    text += row[2];
    text += '\n';
  }
  return text;
}

std::vector<TPointValues> ParseTableText(std::string_view text) {
  const std::vector<std::string_view> lines = Lines(text);
  std::vector<TPointValues> points;
  points.reserve(lines.size());
  for (std::size_t k = 0; k < lines.size(); ++k) {
    const std::vector<std::string_view> fields = Fields(lines[k]);
    if (k == 0 && !fields.empty() && IsHeader(fields)) continue;
    points.push_back(ReadPoint(fields, k + 1, lines[k]));
  }
  if (points.empty()) throw framework::Exception("Papan klip tidak berisi titik untuk ditempel");
  return points;
}

}  // namespace Bezier
