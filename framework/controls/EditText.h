#pragma once

#include <string>
#include <string_view>

namespace framework {

// The text of a single-line edit with its caret and selection. Positions are byte offsets
// into the UTF-8 text and always fall on character boundaries; the selection runs from the
// anchor to the caret, so Shift+arrows grow and shrink it from the caret's end.
class TEditText {
 public:
  const std::string& Text() const { return text_; }
  // Invalid UTF-8 is kept byte for byte; the caret goes to the start.
  void SetText(std::string text);

  int Caret() const { return caret_; }
  int SelStart() const;
  int SelLength() const;
  std::string SelText() const;
  // Clamped to the text and moved back to character boundaries.
  void Select(int start, int length);
  void MoveCaret(int pos, bool extend);
  int NextPos(int pos) const;
  int PrevPos(int pos) const;
  // The character boundary at or before pos, within the text.
  int Boundary(int pos) const;
  int Length() const { return static_cast<int>(text_.size()); }

  // Characters at most; 0 means no limit. Text set in code may be longer.
  int MaxLength() const { return maxLength_; }
  void SetMaxLength(int maxLength) { maxLength_ = maxLength < 0 ? 0 : maxLength; }

  // Replaces the selection with as much of text as MaxLength leaves room for (whole
  // characters); answers whether the text changed.
  bool ReplaceSelection(std::string_view text);
  // The selection, or else the character before (after) the caret.
  bool DeleteBackward();
  bool DeleteForward();

 private:
  std::string text_;
  int caret_ = 0;
  int anchor_ = 0;
  int maxLength_ = 0;
};

// Characters in UTF-8 text; stray continuation bytes count as characters of their own.
int CharCount(std::string_view text);

}  // namespace framework
