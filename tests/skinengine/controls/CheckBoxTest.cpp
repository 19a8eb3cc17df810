// The check box: toggling by click and space bar, focus, the check area and the caption beside
// it, and its look from the skin, its own strips, an image list or the built-in glyphs.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/forms/ImageList.h"
#include "platform/window/Input.h"
#include "platform/window/Messages.h"
#include "skinengine/controls/sCheckbox.h"
#include "skinengine/controls/sEdit.h"
#include "tests/skinengine/controls/EditorsTestSupport.h"
#include "tests/skinengine/style/StyleTestSupport.h"

namespace {

using editortests::Grey;
using framework::TObject;
using platform::TColor;
using platform::TRect;
using sCheckbox::TsCheckBox;
using sCheckedControl::TsCheckedControl;

class CheckBox : public editortests::EditorsFixture {
 protected:
  void SetUp() override {
    edit = Add<sEdit::TsEdit>(form, 10, 10, 121, 21);
    edit->OnExit = [this](TObject*) { log.push_back("exit"); };
    box = Add<TsCheckBox>(form, 10, 50, 100, 17);
    box->SetCaption("ClearCanvas");
    box->OnChange = [this](TObject*) { log.push_back(box->Checked() ? "on" : "off"); };
    box->OnClick = [this](TObject*) { log.push_back("click"); };
  }

  void Space(bool down) { platform::InputKey(platform::VK_SPACE, down); }

  sEdit::TsEdit* edit = nullptr;
  TsCheckBox* box = nullptr;
  std::vector<std::string> log;
};

TEST_F(CheckBox, AClickTakesTheFocusTogglesAndReportsTheChangeBeforeTheClick) {
  Click(*edit);
  Click(*box);
  EXPECT_TRUE(box->Checked());
  EXPECT_TRUE(box->Focused());
  Click(*box);
  EXPECT_FALSE(box->Checked());
  EXPECT_EQ(log, (std::vector<std::string>{"exit", "on", "click", "off", "click"}));
}

TEST_F(CheckBox, AReleaseOutsideStillTogglesButDoesNotClick) {
  session.Press(Centre(*box));
  EXPECT_TRUE(box->Pressed());
  session.Release(box->ClientToScreen({300, 5}));
  EXPECT_TRUE(box->Checked());
  EXPECT_FALSE(box->Pressed());
  EXPECT_EQ(log, (std::vector<std::string>{"on"}));
}

TEST_F(CheckBox, TheSpaceBarTogglesOnceOnReleaseWhateverItsAutoRepeat) {
  box->SetFocus();
  Space(true);
  Space(true);
  EXPECT_TRUE(box->Pressed());
  EXPECT_FALSE(box->Checked());
  Space(false);
  EXPECT_TRUE(box->Checked());
  EXPECT_EQ(log, (std::vector<std::string>{"on", "click"}));
}

TEST_F(CheckBox, HoldingSpaceAndClickingTogglesOnce) {
  box->SetFocus();
  Space(true);
  Click(*box);
  Space(false);
  EXPECT_TRUE(box->Checked());
  EXPECT_EQ(log, (std::vector<std::string>{"on", "click"}));
}

TEST_F(CheckBox, LeavingWhileTheSpaceBarIsHeldDoesNotBlockLaterClicks) {
  box->SetFocus();
  Space(true);
  edit->SetFocus();
  Space(false);
  EXPECT_FALSE(box->Pressed());
  Click(*box);
  EXPECT_TRUE(box->Checked());
}

TEST_F(CheckBox, ADisabledBoxIgnoresClicksAndSettingCheckedFiresNothing) {
  box->SetEnabled(false);
  Click(*box);
  EXPECT_FALSE(box->Checked());
  box->SetChecked(true);
  EXPECT_TRUE(box->Checked());
  EXPECT_TRUE(log.empty());
}

// Where the glyph lies and where the caption starts beside it, in a box 100 wide.
TEST_F(CheckBox, TheGlyphCellSetsTheCheckAreaAndTheCaption) {
  enum class Source { Skin, Own, List, BuiltIn, Plain };
  struct Case {
    Source source;
    sCheckedControl::TCheckAreaLayout layout;
    int height;
    TRect glyph;
    int captionLeft, captionRight;
  };
  using enum sCheckedControl::TCheckAreaLayout;
  const Case cases[] = {
      // The skin's 16 x 18 cells at (17 - 18) div 2 = 0; caption at 1 + 18 + 4.
      {Source::Skin, calLeft, 17, {0, 0, 16, 18}, 23, 99},
      // At the right edge: 100 - 16 - 3 = 81; caption to 100 - 18 - 4 - 1.
      {Source::Skin, calRight, 17, {81, 0, 100, 18}, 1, 77},
      // Its own 30 x 20 strip: 10 x 10 cells at (20 - 10) div 2.
      {Source::Own, calLeft, 20, {0, 5, 10, 15}, 15, 99},
      // A list of 12 x 12, the built-in 16 x 16 glyph, a checked control's 14 x 14.
      {Source::List, calLeft, 20, {0, 4, 12, 16}, 17, 99},
      {Source::BuiltIn, calLeft, 20, {0, 2, 16, 18}, 21, 99},
      {Source::Plain, calLeft, 20, {0, 3, 14, 17}, 19, 99},
  };
  AddSection("Skinned", [](sSkinManager::SkinSectionData&) {});
  AddImage("SKINNED", "GLYPHCHECKED", editortests::Strip(16, 18, {0, 0, 0}, 0));
  auto* list = new framework::TImageList(form);
  list->SetWidth(12);
  list->SetHeight(12);
  for (const Case& c : cases) {
    TsCheckedControl* control = c.source == Source::Plain
                                    ? Add<TsCheckedControl>(form, 10, 100, 100, c.height)
                                    : Add<TsCheckBox>(form, 10, 100, 100, c.height);
    control->SetLayout(c.layout);
    if (c.source == Source::Skin) control->sStyle()->SetSkinSection("Skinned");
    if (c.source == Source::Own)
      control->SetGlyphChecked(editortests::Strip(10, 10, {0, 0, 0}, 0).get());
    if (c.source == Source::List) control->SetImages(list);
    SCOPED_TRACE(testing::Message() << "row " << &c - cases);
    EXPECT_EQ(control->CheckGlyphRect(), c.glyph);
    EXPECT_EQ(control->CaptionRect().Left, c.captionLeft);
    EXPECT_EQ(control->CaptionRect().Right, c.captionRight);
    delete control;
  }
}

// Strips of greys over mask 64 on a grey-200 form, every channel floor(200 x 64 / 256) + p -
// floor(p x 64 / 256) = 50 + p - p div 4: checked cells 40, 100, 160 give 80, 125, 170;
// unchecked cells 0, 20, 220 give 50, 65, 215. The cell at (8, 10) of a 100 x 20 box.
TEST_F(CheckBox, TheGlyphCellShowsTheStateFromTheSkinOrTheOwnStrips) {
  enum class State { Normal, Hot, Focused, Pressed };
  struct Case {
    const char* what;
    bool skinned;
    bool checked;
    State state;
    int grey;
  };
  const Case cases[] = {
      {"skin, normal", true, true, State::Normal, 80},
      {"skin, hot", true, true, State::Hot, 125},
      {"skin, focused", true, true, State::Focused, 125},
      {"skin, pressed", true, true, State::Pressed, 170},
      {"skin, unchecked", true, false, State::Normal, 50},
      {"skin, unchecked and pressed", true, false, State::Pressed, 215},
      {"own, normal", false, true, State::Normal, 80},
      {"own, hot", false, true, State::Hot, 125},
      {"own, unchecked and pressed", false, false, State::Pressed, 215},
  };
  form->SetColor(Grey(200));
  AddSection("Skinned", [](sSkinManager::SkinSectionData&) {});
  AddImage("SKINNED", "GLYPHCHECKED", editortests::Strip(16, 18, {40, 100, 160}, 64));
  AddImage("SKINNED", "GLYPHUNCHECKED", editortests::Strip(16, 18, {0, 20, 220}, 64));
  for (const Case& c : cases) {
    auto* box = Add<TsCheckBox>(form, 10, 100, 100, 20);
    if (c.skinned) {
      box->sStyle()->SetSkinSection("Skinned");
    } else {
      box->SetGlyphChecked(editortests::Strip(16, 18, {40, 100, 160}, 64).get());
      box->SetGlyphUnChecked(editortests::Strip(16, 18, {0, 20, 220}, 64).get());
    }
    box->SetChecked(c.checked);
    if (c.state == State::Hot) session.MoveMouse(Centre(*box));
    if (c.state == State::Focused) box->SetFocus();
    if (c.state == State::Pressed) session.Press(Centre(*box));
    EXPECT_EQ(skintests::Painted(*box).Pixel(8, 10), Grey(c.grey)) << c.what;
    if (c.state == State::Pressed) session.Release(Centre(*box));
    session.MoveMouse({0, 0});
    delete box;
  }
}

// Without a glyph of the state: the list's image with its transparent pixels, or the built-in
// glyph keyed by its bottom-left pixel; a section without glyphs shows none.
TEST_F(CheckBox, OtherGlyphSourcesAreDrawnWithTheirTransparency) {
  form->SetColor(Grey(200));
  auto* list = new framework::TImageList(form);
  list->SetWidth(12);
  list->SetHeight(12);
  framework::TBitmap red;  // opaque but for its top-left pixel
  red.SetSize(12, 12);
  red.Data().Fill(platform::clRed);
  red.Data().SetPixel(0, 0, platform::clFuchsia);
  list->AddMasked(red, platform::clFuchsia);
  AddSection("Bare", [](sSkinManager::SkinSectionData&) {});
  const platform::Bitmap& builtIn = sCheckedControl::DefaultGlyph(true, true, false);
  ASSERT_EQ(builtIn.Width(), 16);
  enum class Source { BuiltIn, List, PastTheList, BareSection };
  struct Case {
    Source source;
    platform::TPoint at;
    TColor expected;
  };
  const Case cases[] = {
      {Source::BuiltIn, {8, 10}, builtIn.Pixel(8, 8)},  // the built-in glyph at (0, 2)
      {Source::BuiltIn, {0, 17}, Grey(200)},            // its transparent corner
      {Source::List, {0, 15}, platform::clRed},   // the list's image at (0, 4), opaque bottom-left
      {Source::List, {0, 4}, Grey(200)},          // and transparent where the list says
      {Source::PastTheList, {6, 10}, Grey(200)},  // an index past the list draws nothing
      {Source::BareSection, {8, 10}, Grey(200)},  // a section without glyphs draws none
  };
  for (const Case& c : cases) {
    auto* box = Add<TsCheckBox>(form, 10, 100, 100, 20);
    box->SetChecked(true);
    if (c.source == Source::List || c.source == Source::PastTheList) box->SetImages(list);
    if (c.source == Source::PastTheList) box->SetImgChecked(7);
    if (c.source == Source::BareSection) box->sStyle()->SetSkinSection("Bare");
    EXPECT_EQ(skintests::Painted(*box).Pixel(c.at.X, c.at.Y), c.expected) << "row " << &c - cases;
    delete box;
  }
}

// The part of the frame picture under the box, at its client offset: picture pixel (x, y)
// has red x and green y, so box pixel (50, 3) of a box at (20, 10) shows (20 + 4 + 50,
// 10 + 42 + 3) = (74, 55).
TEST_F(CheckBox, TheParentsPictureShowsBelowTheBox) {
  auto* framed = styletests::CoordinateFramedForm(app);
  auto* onFrame = Add<TsCheckBox>(framed, 20, 10, 100, 20);
  EXPECT_EQ(skintests::Painted(*onFrame).Pixel(50, 3), platform::RGB(74, 55, 7));
}

TEST_F(CheckBox, AFocusRectangleRingsTheCaptionOnlyWhenAskedFor) {
  struct Case {
    bool showFocus;
    bool focused;
    bool ringed;
  };
  const TRect caption{20, 0, 100, 17};
  const platform::Bitmap plain = skintests::Painted(*box);
  for (const Case& c :
       {Case{true, true, true}, Case{false, true, false}, Case{true, false, false}}) {
    box->SetShowFocus(c.showFocus);
    if (c.focused) box->SetFocus();
    if (!c.focused) edit->SetFocus();
    const platform::Bitmap shot = skintests::Painted(*box);
    int changed = 0;
    for (int y = caption.Top; y < caption.Bottom; ++y)
      for (int x = caption.Left; x < caption.Right; ++x)
        changed += shot.Pixel(x, y) != plain.Pixel(x, y) ? 1 : 0;
    EXPECT_EQ(changed > 20, c.ringed) << c.showFocus << c.focused << ": " << changed;
  }
}

// An image index repaints only while its state shows.
TEST_F(CheckBox, AnImageIndexRepaintsOnlyWhileItsStateShows) {
  struct Case {
    const char* what;
    bool checked;
    void (TsCheckedControl::*set)(int);
    bool repaints;
  };
  const Case cases[] = {
      {"ImgUnchecked while checked", true, &TsCheckedControl::SetImgUnchecked, false},
      {"ImgChecked while checked", true, &TsCheckedControl::SetImgChecked, true},
      {"ImgChecked while unchecked", false, &TsCheckedControl::SetImgChecked, false},
      {"ImgUnchecked while unchecked", false, &TsCheckedControl::SetImgUnchecked, true},
      {"ImgCheckedHot", true, &TsCheckedControl::SetImgCheckedHot, false},
  };
  int index = 0;
  for (const Case& c : cases) {
    box->SetChecked(c.checked);
    skintests::Painted(*box);
    (box->*c.set)(++index);
    EXPECT_EQ(!platform::GetUpdateRgn(box->Handle()).IsEmpty(), c.repaints) << c.what;
  }
}

// Strips of odd sizes, boxes of no size, captions far wider than the box, on one line or on
// many: painted without harm and never outside the box.
TEST_F(CheckBox, BadInputPaintsNothingOutsideTheBox) {
  struct Case {
    int width, height;  // of the box
    int stripWidth, stripHeight;
    int captionLength;
  };
  const Case cases[] = {{100, 20, 5, 3, 0},  {100, 20, 1, 1, 0},    {100, 20, 7, 90, 0},
                        {30, 20, 300, 2, 0}, {0, 0, 0, 0, 0},       {0, 20, 0, 0, 400},
                        {60, 20, 0, 0, 400}, {60, 20, 48, 36, 9000}};
  for (const Case& c : cases) {
    const platform::Bitmap before = FormShot();
    auto* bad = Add<TsCheckBox>(form, 150, 150, c.width, c.height);
    bad->SetChecked(true);
    framework::TBitmap strip;
    strip.SetSize(c.stripWidth, c.stripHeight);
    bad->SetGlyphChecked(&strip);
    bad->SetMultiLine(c.captionLength > 1000);
    bad->SetCaption(std::string(static_cast<std::size_t>(c.captionLength), 'W'));
    const platform::Bitmap after = FormShot();
    const TRect box = TRect::FromBounds(150, 150, c.width, c.height)
                          .Offset(platform::ScreenToWindow(form->Handle(), form->ClientOrigin()));
    int outside = 0;
    for (int y = 0; y < after.Height(); ++y)
      for (int x = 0; x < after.Width(); ++x)
        outside += !box.Contains({x, y}) && after.Pixel(x, y) != before.Pixel(x, y) ? 1 : 0;
    EXPECT_EQ(outside, 0) << c.width << " x " << c.height << ", strip " << c.stripWidth << " x "
                          << c.stripHeight;
    delete bad;
  }
}

}  // namespace
