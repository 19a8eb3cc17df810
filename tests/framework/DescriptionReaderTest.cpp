#include "framework/description/DescriptionReader.h"

#include <gtest/gtest.h>

#include "framework/description/EmbeddedResources.h"
#include "framework/runtime/Exceptions.h"
#include "platform/kernel/Resources.h"
#include "tests/framework/SampleClasses.h"
#include "tests/framework/SampleDescription.h"
#include "tests/framework/Thrown.h"

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
  // The first stored skin of a manager, and the data of one of its images.
  const TSampleSkin* Skin(std::string_view manager) {
    return static_cast<TSampleSkin*>(Find<TSampleManager>(manager)->InternalSkins()->Items(0));
  }
  const TBytes& ImageData(std::string_view manager, int index) {
    return static_cast<TSampleImage*>(Skin(manager)->Images()->Items(index))->Data();
  }

  TSampleForm form{nullptr};
};

// The same, with the sample description read.
class SampleRead : public DescriptionReader {
 protected:
  void SetUp() override { Read(SampleDescription); }
};

TEST_F(SampleRead, CreatesObjectsInStoredOrderOwnedByTheRoot) {
  EXPECT_EQ(form.Name(), "Form1");
  ASSERT_EQ(form.ComponentCount(), 5);
  const char* order[] = {"Panel", "Button", "Edit", "Grid", "Manager"};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(form.Components(i)->Name(), order[i]);
  EXPECT_EQ(Find<TSampleControl>("Button")->GetParentComponent(), Find<TComponent>("Panel"));
  EXPECT_EQ(Find<TSampleControl>("Panel")->GetParentComponent(), &form);
  EXPECT_EQ(form.Button, Find<TSampleControl>("Button")) << "published field";
  EXPECT_EQ(form.Grid, Find<TSampleGrid>("Grid"));
}

TEST_F(SampleRead, AppliesEveryKindOfValueThroughTheSetters) {
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

TEST_F(SampleRead, RepublishedPropertyUsesTheSubclassStorage) {
  const TSamplePaintStyle* style = Find<TSampleControl>("Button")->Style();
  EXPECT_EQ(style->PaintGroupIndex(), 3);
  EXPECT_EQ(style->GroupIndex(), 0) << "the base's number is never streamed";
}

TEST_F(SampleRead, LaterValueOverridesWhatAnEarlierPropertySet) {
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

TEST_F(SampleRead, CollectionsAreReadBeforeLaterPropertiesUseThem) {
  const auto* manager = Find<TSampleManager>("Manager");
  EXPECT_EQ(manager->ActiveSections(), 2);
  EXPECT_TRUE(manager->LoadingWhenActivated());

  const TSampleSkin* skin = Skin("Manager");
  EXPECT_EQ(skin->Name(), "Velora");
  const auto* edit = static_cast<TSampleSection*>(skin->Sections()->Items(0));
  EXPECT_EQ(edit->SectionName(), "TsEdit");
  EXPECT_EQ(edit->PaintingBevel(), sbLowered);
  EXPECT_EQ(edit->Control(), Find<TSampleControl>("Edit"));
  EXPECT_EQ(static_cast<TSampleSection*>(skin->Sections()->Items(1))->SectionName(), "Form");
}

TEST_F(SampleRead, BinaryDataComesFromTheResolverOrInline) {
  EXPECT_EQ(ImageData("Manager", 0), GaugeBytes);
  EXPECT_EQ(ImageData("Manager", 1), (TBytes{1, 2, 0xFF}));
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
  EXPECT_EQ(ImageData("M", 0), (TBytes{'B', 'M', 42}));
  EXPECT_FALSE(EmbeddedResource("framework-no-such-resource"));
}

TEST_F(SampleRead, HandlersBindToTheRootsMethods) {
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

TEST_F(SampleRead, ReferencesResolveByNameAfterTheWholeDescription) {
  auto* button = Find<TSampleControl>("Button");
  EXPECT_EQ(button->FocusControl(), Find<TSampleControl>("Edit")) << "Edit is stored after";
  delete Find<TSampleControl>("Edit");
  EXPECT_EQ(button->FocusControl(), nullptr);
}

TEST_F(SampleRead, LoadedRunsAfterReadingRootFirstInCreationOrder) {
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
  std::string Text;
  const char* Message;
};

void PrintTo(const BadDescription& bad, std::ostream* out) {
  *out << bad.Name;
}

// A root holding the given lines, the first of them on line 2.
std::string InRoot(const std::string& lines) {
  return "object F: TSampleForm\n " + lines + "\nend";
}
// A control B holding one property line, on line 3.
std::string InControl(const std::string& line) {
  return InRoot("object B: TSampleControl\n  " + line + "\n end");
}
// A manager M whose first stored skin holds the given lines, from line 5 on.
std::string InSkin(const std::string& lines) {
  return InRoot("object M: TSampleManager\n  InternalSkins = <\n   item\n    " + lines +
                "\n   end>\n end");
}
// The first image of that skin with the given data, on line 7.
std::string InImage(const std::string& data) {
  return InSkin("Images = <\n     item\n      Data = " + data + "\n     end>");
}

const BadDescription BadDescriptions[] = {
    {"UnknownClass", InRoot("object B: TNoSuch\n end"), "Line 2: class TNoSuch not found"},
    {"NotAComponentClass", InRoot("object B: TSamplePainting\n end"),
     "Line 2: TSamplePainting is not a component class"},
    {"OtherRootClass", "object F: TOther\nend", "Line 1: TOther does not describe a TSampleForm"},
    {"UnknownProperty", InRoot("object Button: TSampleControl\n  Colour = clRed\n end"),
     "Line 3: error reading Button.Colour: unknown property Colour of TSampleControl"},
    {"UnknownNestedProperty", InControl("sStyle.Painting.Colr = 1"),
     "Line 3: error reading B.sStyle.Painting.Colr: unknown property Colr of TSamplePainting"},
    {"StringExpected", InControl("Caption = 12"),
     "Line 3: error reading B.Caption: string expected but number 12 found"},
    {"IntegerExpected", InControl("Left = 'x'"),
     "Line 3: error reading B.Left: integer expected but a string found"},
    {"BooleanExpected", InControl("Visible = Yes"),
     "Line 3: error reading B.Visible: True or False expected but identifier Yes found"},
    {"ObjectGivenAValue", InControl("sStyle = 1"),
     "Line 3: error reading B.sStyle: an object takes no value; give its properties one by one"},
    {"DottedPathThroughAValue", InControl("Caption.X = 1"),
     "Line 3: error reading B.Caption.X: Caption has no properties of its own"},
    {"UnknownHandler", InControl("OnClick = NoSuchClick"),
     "Line 3: error reading B.OnClick: handler NoSuchClick not found in TSampleForm"},
    {"HandlerOfAnotherType", InControl("OnClick = ControlKeyPress"),
     "Line 3: error reading B.OnClick: handler ControlKeyPress does not fit OnClick"},
    {"UnknownColour", InControl("Color = clPink"),
     "Line 3: error reading B.Color: unknown colour clPink"},
    {"ColourOutOfRange", InControl("Color = 4294967296"),  // 2^32
     "Line 3: error reading B.Color: colour out of range"},
    {"SetWithoutComma", InControl("FontStyle = [fsBold fsItalic]"),
     "Line 3: error reading B.FontStyle: ',' or ']' expected but identifier fsItalic found"},
    {"UnknownSetElement", InControl("FontStyle = [fsHeavy]"),
     "Line 3: error reading B.FontStyle: fsHeavy is not a value of TSampleFontStyle"},
    {"ValueOutOfRange", InControl("sStyle.Painting.Transparency = 256"),
     "Line 3: error reading B.sStyle.Painting.Transparency: Value 256 is out of the property's "
     "range"},
    {"UnknownReference", InControl("FocusControl = Nobody"),
     "Line 3: error reading B.FocusControl: component Nobody not found"},
    {"ReferenceOfAnotherClass",
     InRoot("object B: TSampleControl\n  FocusControl = G\n end\n object G: TSampleGrid\n end"),
     "Line 3: error reading B.FocusControl: G is not a TSampleControl"},
    {"DuplicateName", InRoot("object B: TSampleControl\n end\n object b: TSampleControl\n end"),
     "Line 4: error reading b: A component named b already exists"},
    {"FieldOfAnotherClass", InRoot("object Grid: TSampleControl\n end"),
     "Line 2: error reading Grid: Grid is not a TSampleGrid"},
    {"UnterminatedString", InRoot("Caption = 'abc\n  Color = clRed"),
     "Line 2: unterminated string"},
    {"MissingEnd", "object F: TSampleForm\n object B: TSampleControl\n  Caption = 'a'\nend",
     "Line 4: property, object or 'end' expected but end of description found"},
    {"TextAfterTheEnd", "object F: TSampleForm\nend\nend",
     "Line 3: end of description expected but identifier end found"},
    {"MissingEquals", InRoot("Caption 'x'"),
     "Line 2: error reading F.Caption: '=' expected but a string found"},
    {"UnknownItemProperty", InSkin("Nme = 'x'"),
     "Line 5: error reading M.InternalSkins[0].Nme: unknown property Nme of TSampleSkin"},
    {"ItemExpected",
     InRoot("object M: TSampleManager\n  InternalSkins = <\n   Name = 'x'\n  >\n end"),
     "Line 4: error reading M.InternalSkins: 'item' or '>' expected but identifier Name found"},
    {"MissingResource", InImage("{file 'missing.bmp'}"),
     "Line 7: error reading M.InternalSkins[0].Images[0].Data: resource 'missing.bmp' not found"},
    {"OddHexDigits", InImage("{01 2}"), "Line 7: invalid binary data"},
    {"SurrogateCharacterCode", InRoot("Caption = #55296"),  // 0xD800
     "Line 2: invalid character code"},
    {"NumberTooLarge", InRoot("Tag = 99999999999999999999"), "Line 2: number out of range"},
    {"UnexpectedCharacter", InRoot("Tag = 1 ? "), "Line 2: unexpected character #63"},
};

class DescriptionErrors : public ::testing::TestWithParam<BadDescription> {};

TEST_P(DescriptionErrors, NameTheLineAndThePlace) {
  TSampleForm form(nullptr);
  // A setter's own error keeps its class.
  EXPECT_EQ(testing::ThrownMessage<Exception>([&] {
              ReadDescription(GetParam().Text, form, SampleClasses(), SampleResources({}));
            }),
            GetParam().Message);
  EXPECT_EQ(form.ComponentCount(), 0) << "what was created is freed again";
  EXPECT_EQ(form.Button, nullptr);
  EXPECT_TRUE(form.ComponentState().Empty());
}

INSTANTIATE_TEST_SUITE_P(Reader, DescriptionErrors, ::testing::ValuesIn(BadDescriptions),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(DescriptionReaderLimits, DeepNestingIsAnErrorNotARecursion) {
  std::string text = "object F: TSampleForm\n";
  for (int i = 0; i < 100; ++i) text += "object TSampleControl\n";
  for (int i = 0; i < 100; ++i) text += "end\n";
  text += "end\n";
  TSampleForm form(nullptr);
  EXPECT_EQ(
      testing::ThrownMessage<EReadError>([&] { ReadDescription(text, form, SampleClasses()); }),
      "Line 65: objects nested too deeply");
  EXPECT_EQ(form.ComponentCount(), 0);
}

}  // namespace
}  // namespace framework
