#include "framework/controls/EditText.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace framework {

namespace {

bool IsContinuation(char c) {
  return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// A continuation byte belongs to the character before only when a lead byte starts it
// within reach; otherwise it stands alone, so invalid text never traps the caret.
bool InsideCharacter(std::string_view text, int pos) {
  if (pos <= 0 || pos >= static_cast<int>(text.size()) || !IsContinuation(text[pos])) return false;
  for (int i = pos - 1; i >= 0 && i >= pos - 3; --i)
    if (!IsContinuation(text[i])) return static_cast<unsigned char>(text[i]) >= 0xC0;
  return false;
}

}  // namespace

int CharCount(std::string_view text) {
  int count = 0;
  for (int i = 0; i < static_cast<int>(text.size()); ++i)
    if (!InsideCharacter(text, i)) ++count;
  return count;
}

void TEditText::SetText(std::string text) {
  text_ = std::move(text);
  caret_ = anchor_ = 0;
}

int TEditText::SelStart() const {
  return std::min(caret_, anchor_);
}

int TEditText::SelLength() const {
  return std::abs(caret_ - anchor_);
}

std::string TEditText::SelText() const {
  return text_.substr(static_cast<std::size_t>(SelStart()), static_cast<std::size_t>(SelLength()));
}

int TEditText::Boundary(int pos) const {
  pos = std::clamp(pos, 0, Length());
  while (InsideCharacter(text_, pos)) --pos;
  return pos;
}

void TEditText::Select(int start, int length) {
  anchor_ = Boundary(start);
  caret_ = Boundary(static_cast<int>(
      std::min<long long>(static_cast<long long>(anchor_) + std::max(length, 0), Length())));
}

void TEditText::MoveCaret(int pos, bool extend) {
  caret_ = Boundary(pos);
  if (!extend) anchor_ = caret_;
}

int TEditText::NextPos(int pos) const {
  pos = Boundary(pos);
  if (pos >= Length()) return pos;
  ++pos;
  while (InsideCharacter(text_, pos)) ++pos;
  return pos;
}

int TEditText::PrevPos(int pos) const {
  return pos <= 0 ? 0 : Boundary(Boundary(pos) - 1);
}

bool TEditText::ReplaceSelection(std::string_view text) {
  const int start = SelStart();
  const std::size_t length = static_cast<std::size_t>(SelLength());
  std::size_t take = text.size();
  if (maxLength_ > 0) {
    const int room = maxLength_ - (CharCount(text_) - CharCount(SelText()));
    take = 0;
    for (int chars = 0; take < text.size() && chars < room; ++chars) {
      ++take;
      while (InsideCharacter(text, static_cast<int>(take))) ++take;
    }
  }
  if (length == 0 && take == 0) return false;
  text_.replace(static_cast<std::size_t>(start), length, text.substr(0, take));
  caret_ = anchor_ = start + static_cast<int>(take);
  return true;
}

bool TEditText::DeleteBackward() {
  if (SelLength() == 0) anchor_ = PrevPos(caret_);
  return ReplaceSelection({});
}

bool TEditText::DeleteForward() {
  if (SelLength() == 0) anchor_ = NextPos(caret_);
  return ReplaceSelection({});
}

}  // namespace framework
