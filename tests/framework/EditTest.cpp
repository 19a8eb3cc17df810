#include <gtest/gtest.h>

#include "framework/controls/Edit.h"
#include "framework/description/DescriptionReader.h"
#include "framework/description/DescriptionWriter.h"
#include "platform/graphics/Font.h"
#include "platform/window/Clipboard.h"
#include "platform/window/Input.h"
#include "platform/window/Messages.h"
#include "tests/framework/ControlTestSupport.h"
#include "tests/framework/Thrown.h"

namespace framework {
namespace {

using testing::FormFixture;

TEST(EditText, MaxLengthCutsInsertedTextAtWholeCharacters) {
  TEditText text;
  text.SetMaxLength(3);
  EXPECT_TRUE(
      text.ReplaceSelection("a\xC3\xA9\xE2\x82\xAC"
                            "b"));  // a, e-acute, euro, b
  EXPECT_EQ(text.Text(), "a\xC3\xA9\xE2\x82\xAC");
  EXPECT_FALSE(text.ReplaceSelection("z")) << "full";
  text.Select(0, 1);
  EXPECT_TRUE(text.ReplaceSelection("xy")) << "the selection's room counts";
  EXPECT_EQ(text.Text(), "x\xC3\xA9\xE2\x82\xAC");
}

TEST(EditText, CaretAndSelectionStayOnCharacterBoundaries) {
  TEditText text;
  text.SetText(
      "a\xE2\x82\xAC"
      "b");
  text.Select(2, 100);  // inside the euro sign, past the end
  EXPECT_EQ(text.SelStart(), 1);
  EXPECT_EQ(text.SelLength(), 4);
  text.MoveCaret(4, false);
  EXPECT_TRUE(text.DeleteBackward());
  EXPECT_EQ(text.Text(), "ab");
  EXPECT_EQ(text.Caret(), 1);
  text.Select(-5, -1);
  EXPECT_EQ(text.SelStart(), 0);
  EXPECT_EQ(text.SelLength(), 0);
  EXPECT_FALSE(text.DeleteBackward()) << "nothing before the start";
}

TEST(EditText, StrayContinuationBytesAreCharactersOfTheirOwn) {
  TEditText text;
  text.SetText("\x80\x80x");
  EXPECT_EQ(CharCount(text.Text()), 3);
  EXPECT_EQ(text.NextPos(0), 1);
  text.MoveCaret(3, false);
  EXPECT_TRUE(text.DeleteBackward());
  EXPECT_TRUE(text.DeleteBackward());
  EXPECT_EQ(text.Text(), "\x80");
}

class EditField : public ::testing::Test, public FormFixture {
 protected:
  void SetUp() override {
    edit = Add<TEdit>(form, 10, 10, 121, 21);
    other = Add<TEdit>(form, 10, 40, 121, 21);
    edit->OnChange = [this](TObject*) { ++changes; };
    edit->SetFocus();
  }

  // The screen point of a text position's left edge, half a pixel in.
  platform::TPoint At(const std::string& prefix) const {
    const int x = platform::TextExtent(edit->Font()->Data(), prefix).cx + 1;
    return edit->ClientToScreen({x, edit->ClientHeight() / 2});
  }

  TEdit* edit = nullptr;
  TEdit* other = nullptr;
  int changes = 0;
};

TEST_F(EditField, TypingEditsAtTheCaretAndReplacesTheSelection) {
  session.TypeText("hello");
  session.PressKey(platform::VK_LEFT);
  session.PressKey(platform::VK_BACK);
  session.PressKey(platform::VK_DELETE);
  EXPECT_EQ(edit->Text(), "hel");
  session.PressKey(platform::VK_HOME);
  PressWith(platform::VK_SHIFT, platform::VK_RIGHT);
  PressWith(platform::VK_SHIFT, platform::VK_RIGHT);
  EXPECT_EQ(edit->SelText(), "he");
  session.TypeText("J");
  EXPECT_EQ(edit->Text(), "Jl");
  PressWith(platform::VK_SHIFT, platform::VK_END);
  EXPECT_EQ(edit->SelText(), "l");
  session.PressKey(platform::VK_LEFT);
  EXPECT_EQ(edit->SelLength(), 0) << "an arrow without Shift collapses the selection";
  EXPECT_EQ(edit->SelStart(), 1);
  EXPECT_EQ(changes, 5 + 2 + 1);
}

TEST_F(EditField, ClipboardKeysCutCopyAndPasteTheFirstLine) {
  session.TypeText("abc");
  PressWith(platform::VK_SHIFT, platform::VK_HOME);
  EXPECT_EQ(edit->SelText(), "abc");
  PressWith(platform::VK_CONTROL, 'C');
  EXPECT_EQ(platform::GetClipboardText(), "abc");
  session.PressKey(platform::VK_END);
  session.PressKey(platform::VK_LEFT);
  PressWith(platform::VK_SHIFT, platform::VK_HOME);
  PressWith(platform::VK_CONTROL, 'X');
  EXPECT_EQ(platform::GetClipboardText(), "ab");
  EXPECT_EQ(edit->Text(), "c");
  platform::SetClipboardText("12\r\n34");
  PressWith(platform::VK_CONTROL, 'V');
  EXPECT_EQ(edit->Text(), "12c") << "no line break gets into a single line";
  PressWith(platform::VK_CONTROL, 'A');
  EXPECT_EQ(edit->SelLength(), 3);
}

TEST_F(EditField, ReadOnlyPasswordMaxLengthAndCharCase) {
  edit->SetText("secret");
  edit->SetPasswordChar('*');
  edit->SelectAll();
  platform::SetClipboardText("kept");
  PressWith(platform::VK_CONTROL, 'C');
  PressWith(platform::VK_CONTROL, 'X');
  EXPECT_EQ(platform::GetClipboardText(), "kept") << "a password never reaches the clipboard";
  EXPECT_EQ(edit->Text(), "secret");

  edit->SetPasswordChar(0);
  edit->SetReadOnly(true);
  session.TypeText("x");
  session.PressKey(platform::VK_BACK);
  PressWith(platform::VK_CONTROL, 'V');
  EXPECT_EQ(edit->Text(), "secret");

  edit->SetReadOnly(false);
  edit->SetText("");
  edit->SetMaxLength(4);
  edit->SetCharCase(ecUpperCase);
  session.TypeText("abcdef");
  EXPECT_EQ(edit->Text(), "ABCD");
  edit->SetCharCase(ecLowerCase);
  EXPECT_EQ(edit->Text(), "abcd") << "changing the case converts the text";
}

TEST_F(EditField, TabEntrySelectsAllAndExitRunsOnExit) {
  int exits = 0;
  edit->OnExit = [&](TObject*) { ++exits; };
  other->SetText("value");
  session.PressKey(platform::VK_TAB);
  ASSERT_TRUE(other->Focused());
  EXPECT_EQ(exits, 1);
  EXPECT_EQ(other->SelText(), "value");
  other->SetAutoSelect(false);
  other->SetSelStart(2);
  session.PressKey(platform::VK_TAB);
  session.PressKey(platform::VK_TAB);
  EXPECT_EQ(other->SelStart(), 2);
  EXPECT_EQ(other->SelLength(), 0);
}

TEST_F(EditField, MouseClickPlacesTheCaretAndDragSelects) {
  edit->SetText("abcdef");
  other->SetFocus();
  session.Click(At("ab"));
  ASSERT_TRUE(edit->Focused());
  EXPECT_EQ(edit->SelStart(), 2);
  EXPECT_EQ(edit->SelLength(), 0) << "a click replaces what AutoSelect selected";
  session.Press(At("a"));
  session.MoveMouse(At("abcd"));
  session.Release(At("abcd"));
  EXPECT_EQ(edit->SelText(), "bcd");
  session.MoveMouse(At("abcdef"));
  EXPECT_EQ(edit->SelText(), "bcd") << "moving without the button selects nothing";
}

TEST_F(EditField, CaretBlinksOnlyWhileFocused) {
  EXPECT_TRUE(edit->CaretVisible());
  session.Advance(600);
  EXPECT_FALSE(edit->CaretVisible());
  session.Advance(600);
  EXPECT_TRUE(edit->CaretVisible());
  session.Advance(300);
  session.TypeText("a");
  session.Advance(300);
  EXPECT_TRUE(edit->CaretVisible()) << "typing restarts the blink";
  other->SetFocus();
  EXPECT_FALSE(edit->CaretVisible());
}

TEST_F(EditField, LongTextScrollsToKeepTheCaretInView) {
  const std::string text(60, 'w');
  session.TypeText(text);
  const int width = platform::TextExtent(edit->Font()->Data(), text).cx;
  ASSERT_GT(width, edit->ClientWidth());
  EXPECT_GT(edit->ScrollOffset(), width - edit->ClientWidth());
  session.PressKey(platform::VK_HOME);
  EXPECT_EQ(edit->ScrollOffset(), 0);
  session.PressKey(platform::VK_END);
  for (int i = 0; i < 55; ++i) PressWith(platform::VK_SHIFT, platform::VK_LEFT);
  session.PressKey(platform::VK_DELETE);
  EXPECT_EQ(edit->Text(), "wwwww");
  EXPECT_EQ(edit->ScrollOffset(), 0) << "nothing left to scroll";
}

TEST_F(EditField, FrameAndAutoSizeFollowBorderStyleCtl3DAndFont) {
  const int cell = platform::GetTextMetrics(edit->Font()->Data()).Height;
  edit->SetAutoSize(false);
  edit->SetAutoSize(true);
  EXPECT_EQ(edit->Height(), cell + 8);
  EXPECT_EQ(edit->ClientWidth(), 121 - 4);
  edit->SetCtl3D(false);
  EXPECT_EQ(edit->ClientWidth(), 121 - 2);
  EXPECT_EQ(edit->Height(), cell + 6);
  edit->SetBorderStyle(bsNone);
  EXPECT_EQ(edit->ClientWidth(), 121);
  edit->SetAutoSize(false);
  edit->Font()->SetHeight(-30);
  EXPECT_EQ(edit->Height(), cell + 4) << "no resizing without AutoSize";
  edit->SetAutoSize(true);
  EXPECT_GT(edit->Height(), 30);
}

TEST(EditDescription, PasswordCharIsOneQuotedCharacter) {
  platform::HeadlessSession session;
  TApplication app;
  auto describe = [](std::string_view value) {
    return "object TForm\n  object Password: TEdit\n    PasswordChar = " + std::string(value) +
           "\n  end\nend\n";
  };
  auto* form = app.CreateForm<TForm>();
  ReadDescription(describe("'*'"), *form, testing::FrameworkClasses());
  auto* edit = dynamic_cast<TEdit*>(form->FindComponent("Password"));
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(edit->PasswordChar(), '*');
  EXPECT_NE(WriteDescription(*form).find("PasswordChar = '*'\n"), std::string::npos);
  edit->SetPasswordChar(0);
  EXPECT_EQ(WriteDescription(*form).find("PasswordChar"), std::string::npos) << "the default";

  for (const char* bad : {"''", "'**'", "'\xC3\xA9'", "42"}) {
    auto* other = app.CreateForm<TForm>();
    const std::string message = testing::ThrownMessage<EReadError>(
        [&] { ReadDescription(describe(bad), *other, testing::FrameworkClasses()); });
    EXPECT_TRUE(message.starts_with("Line 3")) << bad << ": " << message;
  }
}

}  // namespace
}  // namespace framework
