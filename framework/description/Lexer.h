#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "framework/classes/ClassInfo.h"

namespace framework {

enum class TTokenKind { Identifier, Integer, String, Binary, Symbol, End };

struct TToken {
  TTokenKind Kind = TTokenKind::End;
  int Line = 1;
  std::string Text;  // identifier, string value, or the resource name of "{file 'name'}"
  std::int64_t Integer = 0;
  char Symbol = 0;  // one of = : [ ] ( ) < > , +
  TBytes Bytes;     // binary data given inline as hexadecimal digits
  bool FileReference = false;
};

// Splits a stored description into tokens. Identifiers may hold dots ("Painting.Color");
// strings are quoted pieces and "#13" character codes written side by side; binary data is
// "{ hexadecimal digits }" or "{file 'name'}". Damaged text raises EReadError naming the line.
class TDescriptionLexer {
 public:
  explicit TDescriptionLexer(std::string_view text);

  const TToken& Current() const { return token_; }
  void Next();

 private:
  char Peek(std::size_t ahead = 0) const;
  void SkipBlanks();
  void ReadIdentifier();
  void ReadNumber();
  void ReadString();
  void ReadBinary();
  void ReadHexBytes();

  std::string_view text_;
  std::size_t pos_ = 0;
  int line_ = 1;
  TToken token_;
};

// "Line n: message" as an EReadError.
[[noreturn]] void DescriptionError(int line, std::string_view message);

// How a token reads in an error message: "identifier Foo", "'='", "end of description".
std::string DescribeToken(const TToken& token);

}  // namespace framework
