// Focus keys of editor styles: listed keys move the focus along the form's tab order.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/window/Input.h"
#include "platform/window/Messages.h"
#include "skinengine/controls/sCheckbox.h"
#include "skinengine/controls/sEdit.h"
#include "tests/skinengine/controls/EditorsTestSupport.h"

namespace {

using framework::TShiftState;
using framework::TWinControl;
using sEdit::TsEdit;

// In tab order: a, b, a disabled field, c, a hidden field, a field without a tab stop.
class FocusKeys : public editortests::EditorsFixture {
 protected:
  FocusKeys() {
    for (int i = 0; i < 6; ++i) fields.push_back(Add<TsEdit>(form, 10, 10 + 25 * i, 121, 21));
    fields[2]->SetEnabled(false);
    fields[4]->SetVisible(false);
    fields[5]->SetTabStop(false);
  }

  std::vector<TsEdit*> fields;
};

TEST_F(FocusKeys, ListedKeysWalkTheTabOrderRoundTheEnds) {
  struct Case {
    const char* what;
    const char* next;
    const char* prev;
    int from;
    std::uint16_t key;
    TShiftState shift;
    int to;     // the field with the focus afterwards
    bool used;  // the key was set to 0
  };
  const TShiftState none;
  const Case cases[] = {
      {"Enter in the last field goes round to the first", "13", "", 3, 13, none, 0, true},
      {"Shift+Enter does nothing", "13", "", 3, 13, {framework::ssShift}, 3, false},
      {"Ctrl or Alt neither", "13", "", 3, 13, {framework::ssCtrl, framework::ssAlt}, 3, false},
      {"over the disabled field", "13", "", 1, 13, none, 3, true},
      {"backwards round the start", "", "38", 0, 38, none, 3, true},
      {"backwards over the disabled field", "", "38", 3, 38, none, 1, true},
      {"blanks and commas separate the words", " 9 ,13,40", "", 0, 40, none, 1, true},
      {"words compare whole", "113 130 013", "", 0, 13, none, 0, false},
      {"next wins over previous", "13", "13", 0, 13, none, 1, true},
  };
  for (const Case& c : cases) {
    TsEdit& from = *fields[static_cast<std::size_t>(c.from)];
    from.SetFocus();
    from.sStyle()->SetKeysNextControl(c.next);
    from.sStyle()->SetKeysPrevControl(c.prev);
    std::uint16_t key = c.key;
    from.sStyle()->FocusKeyDown(&from, key, c.shift);
    EXPECT_TRUE(fields[static_cast<std::size_t>(c.to)]->Focused()) << c.what;
    EXPECT_EQ(key == 0, c.used) << c.what;
  }
}

TEST_F(FocusKeys, AloneOnItsFormAControlKeepsTheFocusButUsesTheKey) {
  for (std::size_t i = 1; i < fields.size(); ++i) fields[i]->SetEnabled(false);
  fields[0]->SetFocus();
  fields[0]->sStyle()->SetKeysNextControl("13");
  std::uint16_t key = 13;
  fields[0]->sStyle()->FocusKeyDown(fields[0], key, {});
  EXPECT_TRUE(fields[0]->Focused());
  EXPECT_EQ(key, 0);
}

// Edits and check boxes take the keys from construction on; a handler of their own replaces
// the focus keys.
TEST_F(FocusKeys, EditsAndCheckBoxesHandleTheKeysTheyAreGiven) {
  auto* box = Add<sCheckbox::TsCheckBox>(form, 200, 10, 100, 18);
  box->SetTabStop(true);
  box->SetTabOrder(1);
  fields[0]->sStyle()->SetKeysNextControl("13");
  box->sStyle()->SetKeysNextControl("13");
  fields[0]->SetFocus();
  session.PressKey(platform::VK_RETURN);
  EXPECT_TRUE(box->Focused());
  session.PressKey(platform::VK_RETURN);
  EXPECT_TRUE(fields[1]->Focused());

  std::string handled;
  fields[1]->OnKeyDown = [&](framework::TObject*, std::uint16_t&, TShiftState) { handled = "own"; };
  fields[1]->sStyle()->SetKeysNextControl("13");
  session.PressKey(platform::VK_RETURN);
  EXPECT_EQ(handled, "own");
  EXPECT_TRUE(fields[1]->Focused());
}

}  // namespace
