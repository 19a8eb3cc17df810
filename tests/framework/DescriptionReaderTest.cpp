#include "framework/description/DescriptionReader.h"

#include <gtest/gtest.h>

#include "framework/description/EmbeddedResources.h"
#include "framework/runtime/Exceptions.h"
#include "platform/kernel/Resources.h"
#include "tests/framework/SampleClasses.h"
#include "tests/framework/SampleDescription.h"

namespace framework {
namespace {

using namespace sample;

const TBytes GaugeBytes{'B', 'M', 0, 1, 2};

class DescriptionReader : public ::testing::Test {
 protected:
  void Read(std::string_view text) {
    ReadDescription(text, form, SampleClasses(), SampleResources({{"gauge.bmp", GaugeBytes}}));
  }
  template <class T>
  T* Find(std::string_view name) {
    return dynamic_cast<T*>(form.FindComponent(name));
  }

  TSampleForm form{nullptr};
};

TEST_F(DescriptionReader, CreatesObjectsInStoredOrderOwnedByTheRoot) {
  Read(SampleDescription);
  EXPECT_EQ(form.Name(), "Form1");
  ASSERT_EQ(form.ComponentCount(), 5);
  const char* order[] = {"Panel", "Button", "Edit", "Grid", "Manager"};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(form.Components(i)->Name(), order[i]);
  EXPECT_EQ(Find<TSampleControl>("Button")->GetParentComponent(), Find<TComponent>("Panel"));
  EXPECT_EQ(Find<TSampleControl>("Panel")->GetParentComponent(), &form);
  EXPECT_EQ(form.Button, Find<TSampleControl>("Button")) << "published field";
  EXPECT_EQ(form.Grid, Find<TSampleGrid>("Grid"));
}

TEST_F(DescriptionReader, AppliesEveryKindOfValueThroughTheSetters) {
  Read(SampleDescription);
  EXPECT_EQ(form.Caption(), "Bezier\r\nIt's here");
  EXPECT_EQ(form.Color(), platform::clWhite);
  const auto* button = Find<TSampleControl>("Button");
  EXPECT_EQ(button->Caption(), "Gambar Kurva");
  EXPECT_EQ(button->FontStyle(), (TSampleFontStyles{fsBold, fsItalic}));
  EXPECT_EQ(button->Items()->Lines(), (std::vector<std::string>{"one", "two"}));
  EXPECT_EQ(button->Style()->SkinSection(), "TsSpeedButton");
  EXPECT_EQ(button->Style()->Painting()->Color(), platform::clBtnFace);
  EXPECT_EQ(Find<TSampleControl>("Panel")->Left(), 280);
  EXPECT_EQ(Find<TSampleControl>("Edit")->Color(), platform::clWindow) << "signed number";
}

TEST_F(DescriptionReader, RepublishedPropertyUsesTheSubclassStorage) {
  Read(SampleDescription);
  const TSamplePaintStyle* style = Find<TSampleControl>("Button")->Style();
  EXPECT_EQ(style->PaintGroupIndex(), 3);
  EXPECT_EQ(style->GroupIndex(), 0) << "the base's number is never streamed";
}

TEST_F(DescriptionReader, LaterValueOverridesWhatAnEarlierPropertySet) {
  Read(SampleDescription);
  const auto* grid = Find<TSampleGrid>("Grid");
  EXPECT_EQ(grid->BGColor(), 15263976u) << "stored after UIStyle, so it wins";
  EXPECT_EQ(grid->FixedColor(), platform::clSkyBlue);

  TSampleForm other(nullptr);
  ReadDescription(
      "object F: TSampleForm object G: TSampleGrid BGColor = clRed UIStyle = usDeepBlue end end",
      other, SampleClasses());
  EXPECT_EQ(static_cast<TSampleGrid*>(other.Components(0))->BGColor(), 0xE8E8E8u)
      << "the style stored last sets its own colour";
}

TEST_F(DescriptionReader, CollectionsAreReadBeforeLaterPropertiesUseThem) {
  Read(SampleDescription);
  const auto* manager = Find<TSampleManager>("Manager");
  EXPECT_EQ(manager->ActiveSections(), 2);
  EXPECT_TRUE(manager->LoadingWhenActivated());

  const auto* skin = static_cast<TSampleSkin*>(manager->InternalSkins()->Items(0));
  EXPECT_EQ(skin->Name(), "Velora");
  const auto* edit = static_cast<TSampleSection*>(skin->Sections()->Items(0));
  EXPECT_EQ(edit->SectionName(), "TsEdit");
  EXPECT_EQ(edit->PaintingBevel(), sbLowered);
  EXPECT_EQ(edit->Control(), Find<TSampleControl>("Edit"));
  EXPECT_EQ(static_cast<TSampleSection*>(skin->Sections()->Items(1))->SectionName(), "Form");
}

TEST_F(DescriptionReader, BinaryDataComesFromTheResolverOrInline) {
  Read(SampleDescription);
  const auto* skin =
      static_cast<TSampleSkin*>(Find<TSampleManager>("Manager")->InternalSkins()->Items(0));
  EXPECT_EQ(static_cast<TSampleImage*>(skin->Images()->Items(0))->Data(), GaugeBytes);
  EXPECT_EQ(static_cast<TSampleImage*>(skin->Images()->Items(1))->Data(), (TBytes{1, 2, 0xFF}));
}

TEST_F(DescriptionReader, BinaryDataCanComeFromTheProgramsEmbeddedResources) {
  static const std::uint8_t bytes[] = {'B', 'M', 42};
  platform::RegisterResource("framework-reader-test.bmp", bytes);
  ReadDescription(R"(object Form1: TSampleForm
  object M: TSampleManager
    InternalSkins = <
      item
        Images = <
          item
            Data = {file 'FRAMEWORK-READER-TEST.BMP'}
          end>
      end>
  end
end)",
                  form, SampleClasses(), EmbeddedResource);
  const auto* skin =
      static_cast<TSampleSkin*>(Find<TSampleManager>("M")->InternalSkins()->Items(0));
  EXPECT_EQ(static_cast<TSampleImage*>(skin->Images()->Items(0))->Data(), (TBytes{'B', 'M', 42}));
  EXPECT_FALSE(EmbeddedResource("framework-no-such-resource"));
}

TEST_F(DescriptionReader, HandlersBindToTheRootsMethods) {
  Read(SampleDescription);
  auto* button = Find<TSampleControl>("Button");
  ASSERT_TRUE(button->OnClick);
  button->OnClick(button);
  char key = 'x';
  button->OnKeyPress(button, key);
  EXPECT_EQ(key, 0) << "the handler swallowed the key through the reference";
  bool canSelect = true;
  form.Grid->OnSelectCell(form.Grid, 0, 3, canSelect);
  EXPECT_FALSE(canSelect);
  form.OnCreate(&form);
  EXPECT_EQ(form.Log.end()[-2], "ButtonClick Button");
  EXPECT_EQ(form.Log.back(), "FormCreate");
}

TEST_F(DescriptionReader, ReferencesResolveByNameAfterTheWholeDescription) {
  Read(SampleDescription);
  auto* button = Find<TSampleControl>("Button");
  EXPECT_EQ(button->FocusControl(), Find<TSampleControl>("Edit")) << "Edit is stored after";
  delete Find<TSampleControl>("Edit");
  EXPECT_EQ(button->FocusControl(), nullptr);
}

TEST_F(DescriptionReader, LoadedRunsAfterReadingRootFirstInCreationOrder) {
  Read(SampleDescription);
  EXPECT_EQ(form.Log, (std::vector<std::string>{"Loaded Form1", "Loaded Panel", "Loaded Button",
                                                "Loaded Edit"}));
  for (int i = 0; i < form.ComponentCount(); ++i)
    EXPECT_TRUE(form.Components(i)->ComponentState().Empty());
  EXPECT_TRUE(form.ComponentState().Empty());
}

TEST_F(DescriptionReader, ReReadingACollectionReplacesItsItems) {
  Read(R"(object Form1: TSampleForm
  object Edit: TSampleControl
  end
  object M: TSampleManager
    InternalSkins = <
      item
        Sections = <
          item
            Control = Edit
          end>
      end>
    InternalSkins = <
      item
        Name = 'second'
      end>
  end
end)");
  const auto* skins = Find<TSampleManager>("M")->InternalSkins();
  ASSERT_EQ(skins->Count(), 1);
  EXPECT_EQ(static_cast<TSampleSkin*>(skins->Items(0))->Name(), "second");
}

struct BadDescription {
  const char* Name;
  const char* Text;
  const char* Message;
};

void PrintTo(const BadDescription& bad, std::ostream* out) {
  *out << bad.Name;
}

class DescriptionErrors : public ::testing::TestWithParam<BadDescription> {};

TEST_P(DescriptionErrors, NameTheLineAndThePlace) {
  TSampleForm form(nullptr);
  try {
    ReadDescription(GetParam().Text, form, SampleClasses(), SampleResources({}));
    FAIL() << "accepted";
  } catch (const Exception& e) {  // a setter's own error keeps its class
    EXPECT_EQ(e.Message(), GetParam().Message);
  }
  EXPECT_EQ(form.ComponentCount(), 0) << "what was created is freed again";
  EXPECT_EQ(form.Button, nullptr);
  EXPECT_TRUE(form.ComponentState().Empty());
}

INSTANTIATE_TEST_SUITE_P(
    Reader, DescriptionErrors,
    ::testing::Values(
        BadDescription{"UnknownClass", "object F: TSampleForm\n object B: TNoSuch\n end\nend",
                       "Line 2: class TNoSuch not found"},
        BadDescription{"NotAComponentClass",
                       "object F: TSampleForm\n object B: TSamplePainting\n end\nend",
                       "Line 2: TSamplePainting is not a component class"},
        BadDescription{"OtherRootClass", "object F: TOther\nend",
                       "Line 1: TOther does not describe a TSampleForm"},
        BadDescription{
            "UnknownProperty",
            "object F: TSampleForm\n object Button: TSampleControl\n  Colour = clRed\n end\nend",
            "Line 3: error reading Button.Colour: unknown property Colour of TSampleControl"},
        BadDescription{"UnknownNestedProperty",
                       "object F: TSampleForm\n object B: TSampleControl\n  sStyle.Painting.Colr = "
                       "1\n end\nend",
                       "Line 3: error reading B.sStyle.Painting.Colr: unknown property Colr of "
                       "TSamplePainting"},
        BadDescription{
            "StringExpected",
            "object F: TSampleForm\n object B: TSampleControl\n  Caption = 12\n end\nend",
            "Line 3: error reading B.Caption: string expected but number 12 found"},
        BadDescription{"IntegerExpected",
                       "object F: TSampleForm\n object B: TSampleControl\n  Left = 'x'\n end\nend",
                       "Line 3: error reading B.Left: integer expected but a string found"},
        BadDescription{
            "BooleanExpected",
            "object F: TSampleForm\n object B: TSampleControl\n  Visible = Yes\n end\nend",
            "Line 3: error reading B.Visible: True or False expected but identifier Yes found"},
        BadDescription{"ObjectGivenAValue",
                       "object F: TSampleForm\n object B: TSampleControl\n  sStyle = 1\n end\nend",
                       "Line 3: error reading B.sStyle: an object takes no value; give its "
                       "properties one by one"},
        BadDescription{
            "DottedPathThroughAValue",
            "object F: TSampleForm\n object B: TSampleControl\n  Caption.X = 1\n end\nend",
            "Line 3: error reading B.Caption.X: Caption has no properties of its own"},
        BadDescription{
            "UnknownHandler",
            "object F: TSampleForm\n object B: TSampleControl\n  OnClick = NoSuchClick\n end\nend",
            "Line 3: error reading B.OnClick: handler NoSuchClick not found in TSampleForm"},
        BadDescription{
            "HandlerOfAnotherType",
            "object F: TSampleForm\n object B: TSampleControl\n  OnClick = ControlKeyPress\n "
            "end\nend",
            "Line 3: error reading B.OnClick: handler ControlKeyPress does not fit OnClick"},
        BadDescription{
            "UnknownColour",
            "object F: TSampleForm\n object B: TSampleControl\n  Color = clPink\n end\nend",
            "Line 3: error reading B.Color: unknown colour clPink"},
        BadDescription{
            "ColourOutOfRange",
            "object F: TSampleForm\n object B: TSampleControl\n  Color = 4294967296\n end\nend",
            "Line 3: error reading B.Color: colour out of range"},
        BadDescription{
            "SetWithoutComma",
            "object F: TSampleForm\n object B: TSampleControl\n  FontStyle = [fsBold fsItalic]\n "
            "end\nend",
            "Line 3: error reading B.FontStyle: ',' or ']' expected but identifier fsItalic found"},
        BadDescription{
            "UnknownSetElement",
            "object F: TSampleForm\n object B: TSampleControl\n  FontStyle = [fsHeavy]\n end\nend",
            "Line 3: error reading B.FontStyle: fsHeavy is not a value of TSampleFontStyle"},
        BadDescription{"ValueOutOfRange",
                       "object F: TSampleForm\n object B: TSampleControl\n  "
                       "sStyle.Painting.Transparency = 256\n end\nend",
                       "Line 3: error reading B.sStyle.Painting.Transparency: Value 256 is out of "
                       "the property's range"},
        BadDescription{
            "UnknownReference",
            "object F: TSampleForm\n object B: TSampleControl\n  FocusControl = Nobody\n end\nend",
            "Line 3: error reading B.FocusControl: component Nobody not found"},
        BadDescription{"ReferenceOfAnotherClass",
                       "object F: TSampleForm\n object B: TSampleControl\n  FocusControl = G\n "
                       "end\n object G: TSampleGrid\n end\nend",
                       "Line 3: error reading B.FocusControl: G is not a TSampleControl"},
        BadDescription{"DuplicateName",
                       "object F: TSampleForm\n object B: TSampleControl\n end\n object b: "
                       "TSampleControl\n end\nend",
                       "Line 4: error reading b: A component named b already exists"},
        BadDescription{"FieldOfAnotherClass",
                       "object F: TSampleForm\n object Grid: TSampleControl\n end\nend",
                       "Line 2: error reading Grid: Grid is not a TSampleGrid"},
        BadDescription{"UnterminatedString",
                       "object F: TSampleForm\n Caption = 'abc\n  Color = clRed\nend",
                       "Line 2: unterminated string"},
        BadDescription{"MissingEnd",
                       "object F: TSampleForm\n object B: TSampleControl\n  Caption = 'a'\nend",
                       "Line 4: property, object or 'end' expected but end of description found"},
        BadDescription{"TextAfterTheEnd", "object F: TSampleForm\nend\nend",
                       "Line 3: end of description expected but identifier end found"},
        BadDescription{"MissingEquals", "object F: TSampleForm\n Caption 'x'\nend",
                       "Line 2: error reading F.Caption: '=' expected but a string found"},
        BadDescription{
            "UnknownItemProperty",
            "object F: TSampleForm\n object M: TSampleManager\n  InternalSkins = <\n   item\n    "
            "Nme = 'x'\n   end>\n end\nend",
            "Line 5: error reading M.InternalSkins[0].Nme: unknown property Nme of TSampleSkin"},
        BadDescription{"ItemExpected",
                       "object F: TSampleForm\n object M: TSampleManager\n  InternalSkins = <\n   "
                       "Name = 'x'\n  >\n end\nend",
                       "Line 4: error reading M.InternalSkins: 'item' or '>' expected but "
                       "identifier Name found"},
        BadDescription{"MissingResource",
                       "object F: TSampleForm\n object M: TSampleManager\n  InternalSkins = <\n   "
                       "item\n    Images = <\n     item\n      Data = {file 'missing.bmp'}\n     "
                       "end>\n   end>\n end\nend",
                       "Line 7: error reading M.InternalSkins[0].Images[0].Data: resource "
                       "'missing.bmp' not found"},
        BadDescription{
            "OddHexDigits",
            "object F: TSampleForm\n object M: TSampleManager\n  InternalSkins = <\n   item\n    "
            "Images = <\n     item\n      Data = {01 2}\n     end>\n   end>\n end\nend",
            "Line 7: invalid binary data"},
        BadDescription{"SurrogateCharacterCode", "object F: TSampleForm\n Caption = #55296\nend",
                       "Line 2: invalid character code"},
        BadDescription{"NumberTooLarge", "object F: TSampleForm\n Tag = 99999999999999999999\nend",
                       "Line 2: number out of range"},
        BadDescription{"UnexpectedCharacter", "object F: TSampleForm\n Tag = 1 ? \nend",
                       "Line 2: unexpected character #63"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(DescriptionReaderLimits, DeepNestingIsAnErrorNotARecursion) {
  std::string text = "object F: TSampleForm\n";
  for (int i = 0; i < 100; ++i) text += "object TSampleControl\n";
  for (int i = 0; i < 100; ++i) text += "end\n";
  text += "end\n";
  TSampleForm form(nullptr);
  try {
    ReadDescription(text, form, SampleClasses());
    FAIL();
  } catch (const EReadError& e) {
    EXPECT_EQ(e.Message(), "Line 65: objects nested too deeply");
  }
  EXPECT_EQ(form.ComponentCount(), 0);
}

}  // namespace
}  // namespace framework
