#include <string>
#include <string_view>

#include "framework/controls/WinControl.h"
#include "framework/forms/Form.h"
#include "skinengine/style/sStyleEdits.h"

namespace sStyleEdits {

namespace {

// Whether the list, words separated by blanks and commas, holds the word exactly.
bool ListsWord(std::string_view list, std::string_view word) {
  constexpr std::string_view Separators = " ,";
  std::size_t start = list.find_first_not_of(Separators);
  while (start != std::string_view::npos) {
    const std::size_t end = list.find_first_of(Separators, start);
    if (list.substr(start, end - start) == word) return true;
    start = list.find_first_not_of(Separators, end);
  }
  return false;
}

}  // namespace

void TsCustomStyle::FocusKeyDown(framework::TObject* /*sender*/, std::uint16_t& key,
                                 framework::TShiftState shift) {
  using framework::ssAlt, framework::ssCtrl, framework::ssShift;
  if (shift.Contains(ssShift) || shift.Contains(ssAlt) || shift.Contains(ssCtrl)) return;
  const std::string code = std::to_string(key);
  const bool next = ListsWord(keysNext_, code);
  if (!next && !ListsWord(keysPrev_, code)) return;
  key = 0;
  auto* control = dynamic_cast<framework::TWinControl*>(OwnerControl());
  framework::TCustomForm* form = control ? framework::GetParentForm(control) : nullptr;
  if (!form) return;
  if (framework::TWinControl* target = form->FindNextControl(control, next, true)) {
    target->SetFocus();
    control->Invalidate();
  }
}

framework::TKeyEvent TsCustomStyle::FocusKeyHandler() {
  return [this](framework::TObject* sender, std::uint16_t& key, framework::TShiftState shift) {
    FocusKeyDown(sender, key, shift);
  };
}

}  // namespace sStyleEdits
