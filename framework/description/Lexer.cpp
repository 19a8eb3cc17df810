#include "framework/description/Lexer.h"

#include <limits>

#include "framework/runtime/Exceptions.h"
#include "framework/runtime/Format.h"
#include "framework/runtime/Text.h"

namespace framework {

namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
bool IsIdentStart(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}
bool IsIdentChar(char c) {
  return IsIdentStart(c) || IsDigit(c) || c == '.';
}
bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

int HexValue(char c) {
  if (IsDigit(c)) return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

void AppendUtf8(std::string& out, std::uint32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

}  // namespace

void DescriptionError(int line, std::string_view message) {
  throw EReadError(Format("Line %d: %s", {line, message}));
}

std::string DescribeToken(const TToken& token) {
  switch (token.Kind) {
    case TTokenKind::Identifier:
      return "identifier " + token.Text;
    case TTokenKind::Integer:
      return "number " + std::to_string(token.Integer);
    case TTokenKind::String:
      return "a string";
    case TTokenKind::Binary:
      return "binary data";
    case TTokenKind::Symbol:
      return std::string("'") + token.Symbol + "'";
    case TTokenKind::End:
      break;
  }
  return "end of description";
}

TDescriptionLexer::TDescriptionLexer(std::string_view text) : text_(text) {
  Next();
}

char TDescriptionLexer::Peek(std::size_t ahead) const {
  return pos_ + ahead < text_.size() ? text_[pos_ + ahead] : '\0';
}

void TDescriptionLexer::SkipBlanks() {
  while (pos_ < text_.size() && IsBlank(text_[pos_])) {
    if (text_[pos_] == '\n') ++line_;
    ++pos_;
  }
}

void TDescriptionLexer::Next() {
  SkipBlanks();
  token_ = TToken();
  token_.Line = line_;
  if (pos_ >= text_.size()) return;
  const char c = Peek();
  if (IsIdentStart(c)) return ReadIdentifier();
  if (IsDigit(c) || c == '$' || ((c == '-' || c == '+') && (IsDigit(Peek(1)) || Peek(1) == '$')))
    return ReadNumber();
  if (c == '\'' || c == '#') return ReadString();
  if (c == '{') return ReadBinary();
  if (std::string_view("=:[]()<>,+").find(c) != std::string_view::npos) {
    token_.Kind = TTokenKind::Symbol;
    token_.Symbol = c;
    ++pos_;
    return;
  }
  DescriptionError(line_, Format("unexpected character #%d", {static_cast<unsigned char>(c)}));
}

void TDescriptionLexer::ReadIdentifier() {
  const std::size_t start = pos_;
  while (pos_ < text_.size() && IsIdentChar(text_[pos_])) ++pos_;
  token_.Kind = TTokenKind::Identifier;
  token_.Text = text_.substr(start, pos_ - start);
}

void TDescriptionLexer::ReadNumber() {
  const bool negative = Peek() == '-';
  if (Peek() == '-' || Peek() == '+') ++pos_;
  const int base = Peek() == '$' ? 16 : 10;
  if (base == 16) ++pos_;
  constexpr std::uint64_t limit = std::numeric_limits<std::int64_t>::max();
  std::uint64_t magnitude = 0;
  int digits = 0;
  for (int d; (d = HexValue(Peek())) >= 0 && d < base; ++pos_, ++digits) {
    magnitude = magnitude * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(d);
    if (magnitude > limit) DescriptionError(line_, "number out of range");
  }
  if (digits == 0 || IsIdentChar(Peek())) DescriptionError(line_, "invalid number");
  token_.Kind = TTokenKind::Integer;
  token_.Integer =
      negative ? -static_cast<std::int64_t>(magnitude) : static_cast<std::int64_t>(magnitude);
}

// Quoted pieces ('' is a quote) and character codes (#13, #$0D) written side by side.
void TDescriptionLexer::ReadString() {
  token_.Kind = TTokenKind::String;
  while (Peek() == '\'' || Peek() == '#') {
    if (Peek() == '#') {
      ++pos_;
      const int base = Peek() == '$' ? 16 : 10;
      if (base == 16) ++pos_;
      std::uint32_t code = 0;
      int digits = 0;
      for (int d; (d = HexValue(Peek())) >= 0 && d < base; ++pos_, ++digits) {
        code = code * static_cast<std::uint32_t>(base) + static_cast<std::uint32_t>(d);
        if (code > 0x10FFFF) DescriptionError(line_, "invalid character code");
      }
      if (digits == 0 || (code >= 0xD800 && code <= 0xDFFF))
        DescriptionError(line_, "invalid character code");
      AppendUtf8(token_.Text, code);
      continue;
    }
    ++pos_;
    for (;;) {
      if (pos_ >= text_.size() || text_[pos_] == '\n' || text_[pos_] == '\r')
        DescriptionError(line_, "unterminated string");
      const char c = text_[pos_++];
      if (c != '\'') {
        token_.Text += c;
      } else if (Peek() == '\'') {
        token_.Text += '\'';
        ++pos_;
      } else {
        break;
      }
    }
  }
}

void TDescriptionLexer::ReadBinary() {
  const int startLine = line_;
  ++pos_;
  SkipBlanks();
  token_.Kind = TTokenKind::Binary;
  if (SameText(text_.substr(pos_, 4), "file") && !IsIdentChar(Peek(4))) {
    pos_ += 4;
    SkipBlanks();
    if (Peek() != '\'' && Peek() != '#') DescriptionError(line_, "resource name expected");
    ReadString();
    token_.Kind = TTokenKind::Binary;
    token_.FileReference = true;
    SkipBlanks();
  } else {
    ReadHexBytes();
  }
  if (pos_ >= text_.size()) DescriptionError(startLine, "unterminated binary data");
  if (Peek() != '}') DescriptionError(line_, "'}' expected");
  ++pos_;
}

// Pairs of hexadecimal digits; blanks and line breaks may stand between the pairs.
void TDescriptionLexer::ReadHexBytes() {
  while (pos_ < text_.size() && Peek() != '}') {
    const int high = HexValue(Peek());
    const int low = HexValue(Peek(1));
    if (high < 0 || low < 0) DescriptionError(line_, "invalid binary data");
    token_.Bytes.push_back(static_cast<std::uint8_t>(high * 16 + low));
    pos_ += 2;
    SkipBlanks();
  }
}

}  // namespace framework
