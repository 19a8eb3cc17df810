#include "framework/description/DescriptionWriter.h"

#include <gtest/gtest.h>

#include <map>

#include "framework/description/DescriptionReader.h"
#include "tests/framework/SampleClasses.h"
#include "tests/framework/SampleDescription.h"

namespace framework {
namespace {

using namespace sample;

TEST(DescriptionWriter, LeavesOutValuesEqualToTheirDeclaredDefault) {
  TSampleForm form(nullptr);
  form.SetName("Form1");
  (new TSampleControl(&form))->SetName("Button");
  // GroupIndex has no default and is always written; ColorBorderTop starts out different
  // from its declared default; everything else is at its default.
  EXPECT_EQ(WriteDescription(form),
            "object Form1: TSampleForm\n"
            "  object Button: TSampleControl\n"
            "    sStyle.GroupIndex = 0\n"
            "    sStyle.Painting.ColorBorderTop = clBtnHighlight\n"
            "  end\n"
            "end\n");
}

TEST(DescriptionWriter, WritesColoursByNameWhereTheyHaveOne) {
  TSampleForm form(nullptr);
  auto* grid = new TSampleGrid(&form);
  grid->SetBGColor(platform::clMenuHighlight);
  grid->SetFixedColor(0xFF000099);  // a system colour without a name
  const std::string text = WriteDescription(form);
  EXPECT_NE(
      text.find(
          "    UIStyle = usMacOS\n    BGColor = clMenuHighlight\n    FixedColor = -16777063\n"),
      std::string::npos)
      << text;
}

TEST(DescriptionWriter, NestsChildrenInTheirParentAndWritesListsCollectionsAndData) {
  TSampleForm form(nullptr);
  ReadDescription(SampleDescription, form, SampleClasses(),
                  SampleResources({{"gauge.bmp", {7, 8}}}));
  std::map<std::string, TBytes> stored;
  const std::string text = WriteDescription(form, [&](const std::string& path, const TBytes& data) {
    stored[path] = data;
    return path + ".bin";
  });
  for (const char* expected :
       {"  Caption = 'Bezier'#13#10'It''s here'\n",
        "    sStyle.Painting.ColorBorderTop = clBtnHighlight\n    object Button: TSampleControl\n",
        "      FontStyle = [fsBold, fsItalic]\n",
        "      Items.Strings = (\n        'one'\n        'two')\n",
        "      FocusControl = Edit\n      OnClick = ButtonClick\n",
        "  object Edit: TSampleControl\n    Color = clWindow\n",
        "    InternalSkins = <\n      item\n        Name = 'Velora'\n        Sections = <\n",
        "            Control = Edit\n          end\n          item\n            SectionName = "
        "'Form'\n"
        "            PaintingColor = clWhite\n            PaintingBevel = sbNone\n          end>\n",
        "            Data = {file 'Manager.InternalSkins[0].Images[0].Data.bin'}\n          end\n",
        "          end>\n      end>\n    SkinName = 'Velora'\n"})
    EXPECT_NE(text.find(expected), std::string::npos) << expected << "\nin\n" << text;
  EXPECT_EQ(stored.at("Manager.InternalSkins[0].Images[1].Data"), (TBytes{1, 2, 0xFF}));
}

// Write, read what was written, write again: the same text.
std::string RoundTrip(const std::string& text, const TResourceStore& store,
                      const TResourceResolver& resources) {
  TSampleForm form(nullptr);
  ReadDescription(text, form, SampleClasses(), resources);
  return WriteDescription(form, store);
}

TEST(DescriptionWriter, WriteReadWriteGivesTheSameText) {
  std::map<std::string, TBytes> stored;
  const TResourceStore store = [&](const std::string& path, const TBytes& data) {
    stored[path] = data;
    return path;
  };
  const TResourceResolver fromStore = [&](const std::string& name) -> std::optional<TBytes> {
    return stored.at(name);
  };
  const std::string first =
      RoundTrip(SampleDescription, store, SampleResources({{"gauge.bmp", {7, 8}}}));
  EXPECT_EQ(RoundTrip(first, store, fromStore), first);

  // Inline binary data round-trips too.
  const std::string inlined = RoundTrip(first, {}, fromStore);
  EXPECT_NE(inlined.find("Data = {\n              0708}\n"), std::string::npos) << inlined;
  EXPECT_EQ(RoundTrip(inlined, {}, {}), inlined);
}

TEST(DescriptionWriter, StringsSurviveTheRoundTrip) {
  const std::vector<std::string> texts = {"",     "'",           "''a''",    "\r\n",
                                          "a\tb", "caf\xC3\xA9", "#13",      "x\x7Fy",
                                          "   ",  "end",         "\x01\x02", std::string(300, 'z')};
  TSampleForm form(nullptr);
  auto* control = new TSampleControl(&form);
  control->Items()->SetLines(texts);
  control->SetCaption(texts[6] + texts[3] + texts[1]);
  const std::string text = WriteDescription(form);
  TSampleForm copy(nullptr);
  ReadDescription(text, copy, SampleClasses());
  const auto* read = static_cast<TSampleControl*>(copy.Components(0));
  EXPECT_EQ(read->Items()->Lines(), texts);
  EXPECT_EQ(read->Caption(), control->Caption());
  EXPECT_EQ(WriteDescription(copy), text);
}

TEST(DescriptionWriter, WritesOnlyWhatTheReaderCanFindAgain) {
  TSampleForm form(nullptr), other(nullptr);
  auto* control = new TSampleControl(&form);
  control->OnClick = [](TObject*) {};  // not a published method
  auto* stranger = new TSampleControl(&other);
  stranger->SetName("Stranger");
  control->SetFocusControl(stranger);  // owned by another root
  const std::string text = WriteDescription(form);
  EXPECT_EQ(text.find("OnClick"), std::string::npos);
  EXPECT_EQ(text.find("FocusControl"), std::string::npos);
}

}  // namespace
}  // namespace framework
