#include <string>
#include <vector>

#include "framework/graphics/ColorIdent.h"
#include "skinengine/skin/sStoredSkins.h"
#include "tools/skinart/Palette.h"
#include "tools/skinart/SkinArt.h"

namespace skinart {

namespace {

using sSkinManager::TsGeneralValues;
using namespace sBevels;

// The looks of the sections, each laid over the defaults of the skin format.
using TLook = void(TsGeneralValues& s);

const char* const PanelGradient =
    "16777215;15987699;17;0;0;15987699;15658734;71;0;0;15658734;14737632;11;0;0;14737632;"
    "14737632;0;0;0";

// The normal and the hot look as a gradient behind text of the given colours.
void Gradient(TsGeneralValues& s, const char* data, const char* fontColor) {
  s.GradientPercent = 100;
  s.GradientData = data;
  s.FontColor = fontColor;
}
void HotGradient(TsGeneralValues& s, const char* data, const char* fontColor) {
  s.HotGradientPercent = 100;
  s.HotGradientData = data;
  s.HotFontColor = fontColor;
}

void Plain(TsGeneralValues&) {}

void Edit(TsGeneralValues& s) {
  s.PaintingBevel = cbLoweredHard;
  s.PaintingBevelWidth = 1;
  s.PaintingColorBorderTop = s.PaintingColorBorderBottom = GreyBlue;
  s.SelectionBorderBevel = ebAsTopBorder;
  s.SelectionBorderWidth = 1;
}

void Panel(TsGeneralValues& s) {
  s.PaintingColor = PanelFace;
  s.GradientPercent = 100;
  s.GradientData = PanelGradient;
}

void RaisedPanel(TsGeneralValues& s) {
  Panel(s);
  s.PaintingBevel = cbRaisedSoft;
}

void ShadowedPanel(TsGeneralValues& s) {
  Panel(s);
  s.ShadowEnabled = true;
  s.ShadowOffset = 5;
}

void Gauge(TsGeneralValues& s) {
  Panel(s);
  s.GradientData = "15461355;16119285;52;0;0;16119285;15000804;47;0;0;15000804;15000804;0;0;0";
  s.ShadowOffset = 5;
}

void Button(TsGeneralValues& s) {
  s.PaintingColor = GreyFace;
  s.PaintingTransparency = 50;
  s.HotPaintingColor = 13466380;
  s.HotPaintingTransparency = 60;
  s.FadingEnabled = true;
  s.FadingIterations = 4;
}

void ShadowedButton(TsGeneralValues& s) {
  Button(s);
  s.ShadowEnabled = true;
}

void ScrollTrack(TsGeneralValues& s) {
  s.PaintingColor = GreyFace;
  s.HotPaintingColor = 15790320;
}

void Track(TsGeneralValues& s) {
  s.PaintingColor = s.HotPaintingColor = PanelFace;
}

void Form(TsGeneralValues& s) {
  s.PaintingColor = s.HotPaintingColor = FormFace;
  s.ImagePercent = s.HotImagePercent = 100;
}

void FormTitle(TsGeneralValues& s) {
  Gradient(s,
           "15985380;15588028;23;0;0;15588028;11107158;63;0;0;11107158;12550976;13;0;0;12550976;"
           "12550976;0;0;0",
           "16777215 -1 -1 12615808 12615808");
  HotGradient(s,
              "15190957;13864756;30;0;0;13864756;10969900;61;0;0;10969900;12550976;8;0;0;"
              "12550976;12550976;0;0;0",
              "16775664 -1 -1 8140820 8140820");
}

void MenuItem(TsGeneralValues& s) {
  s.PaintingTransparency = 100;
  s.FontColor = "5454116 16380127 16380127 -1 -1";
  HotGradient(s,
              "16777215;14195561;16;0;0;14195561;12019471;69;0;0;12019471;15249265;14;0;0;"
              "15249265;15249265;0;0;0",
              "16777181 -1 -1 10372910 10372910");
}

void MenuLine(TsGeneralValues& s) {
  Gradient(s, "9330475;12224334;17;0;0;12224334;12550976;82;0;0;12550976;12550976;0;0;0",
           "16777181 9920804 9920804 -1 -1");
  HotGradient(s, "9330475;12480818;17;0;0;12480818;12550976;82;0;0;12550976;12550976;0;0;0",
              "16777181 -1 -1 8140820 8140820");
}

// The closing item: every value zero, black, false or the first of its kind.
void Empty(TsGeneralValues& s) {
  s = {};
}

struct TListed {
  const char* Name;
  const char* Parent;
  TLook* Look;
};

// The sections in collection order.
constexpr TListed Listed[] = {
    {"TsDirectoryEdit", "TsEdit", Edit},
    {"TsSpinEdit", "TsEdit", Edit},
    {"TsComboEdit", "TsEdit", Edit},
    {"TsMaskEdit", "TsEdit", Edit},
    {"TsMemo", "TsEdit", Edit},
    {"TsListBox", "TsEdit", Edit},
    {"TsFileNameEdit", "TsEdit", Edit},
    {"TsRadioButton", "TsEdit", Edit},
    {"TsGroupBox", "", RaisedPanel},
    {"TsStatusBar", "TsPanel", RaisedPanel},
    {"TsDateEdit", "TsEdit", Edit},
    {"TsCheckBox", "TsEdit", Edit},
    {"TsTabSheet", "", Panel},
    {"TsComboBox", "TsEdit", Edit},
    {"TsColorSelect", "TsButton", Button},
    {"TsEditButton", "", Button},
    {"TsMonthCalendar", "TsPanel", Panel},
    {"TsTimerSpeedButton", "TsSpeedButton", Button},
    {"TsDBNavigator", "TsToolBar", RaisedPanel},
    {"TsNavButton", "TsToolButton", Button},
    {"TsDBEdit", "TsEdit", Edit},
    {"TsDBMemo", "TsMemo", Edit},
    {"TsDBComboBox", "TsComboBox", Edit},
    {"TsDBLookupComboBox", "TsComboBox", Edit},
    {"TsDBListBox", "TsListBox", Edit},
    {"TsDBCheckBox", "TsCheckBox", Edit},
    {"TsDBLookupListBox", "TsListBox", Edit},
    {"SCROLLBTNTop", "SCROLLBTNBottom", Button},
    {"TsDragBar", "TsPanel", ShadowedPanel},
    {"SCROLLBTNLeft", "ScrollBtnBottom", Button},
    {"TsScrollBox", "TsContainer", Panel},
    {"ScrollBar2H", "ScrollBar1H", ScrollTrack},
    {"TsCurrencyEdit", "TsEdit", Edit},
    {"ScrollBar2V", "ScrollBar1H", ScrollTrack},
    {"TsTrackBar", "", Track},
    {"TsBitBtn", "TsButton", ShadowedButton},
    {"MenuLine", "", MenuLine},
    {"MainMenu", "", Plain},
    {"MenuItem", "", MenuItem},
    {"TsEdit", "", Edit},
    {"TsPageControl", "", Panel},
    {"ScrollBar1H", "", ScrollTrack},
    {"ScrollBar1V", "", ScrollTrack},
    {"ScrollSliderV", "SCROLLBTNBOTTOM", Button},
    {"SCROLLBTNRight", "ScrollBtnBottom", Button},
    {"SCROLLBTNBottom", "", Button},
    {"ScrollSliderH", "SCROLLBTNBottom", Button},
    {"CalcPanel", "", RaisedPanel},
    {"TsSpeedButton_Small", "TsSpeedButton", Button},
    {"TsCalcEdit", "TsEdit", Edit},
    {"TsToolButton", "TsSpeedButton", Button},
    {"TsSpeedButton", "", Button},
    {"TsToolBar", "TsPanel", RaisedPanel},
    {"TsPanel_Lowered", "TsContainer", Panel},
    {"TsContainer", "TsPanel", ShadowedPanel},
    {"TsGauge", "TsPanel", Gauge},
    {"TsGrip", "TsButton", Button},
    {"TsPanel", "", ShadowedPanel},
    {"TsTabSheetBOTTOM", "", Panel},
    {"TsTabSheetLEFT", "", Panel},
    {"TsTabSheetRIGHT", "", Panel},
    {"FormTitle", "", FormTitle},
    {"TsPageControlBOTTOM", "TsPageControl", Panel},
    {"TsPageControlLEFT", "TsPageControl", Panel},
    {"TsPageControlRIGHT", "TsPageControl", Panel},
    {"TsSplitter", "TsSpeedButton_Small", Button},
    {"TsTabControl", "TsPageControl", Panel},
    {"TsTabControlLEFT", "TsPageControlLEFT", Panel},
    {"TsTabControlRIGHT", "TsPageControlRIGHT", Panel},
    {"TsTabControlBOTTOM", "TsPageControlBOTTOM", Panel},
    {"TsButton", "", ShadowedButton},
    {"SIMPLYEDIT", "", Plain},
    {"TsCheckListBox", "SIMPLYEDIT", Plain},
    {"ZENTAEDIT", "", Plain},
    {"TsButton_Big", "TsButton", ShadowedButton},
    {"TsColorBox", "SIMPLYEDIT", Plain},
    {"TscomboBoxEx", "SIMPLYEDIT", Plain},
    {"TsColorBox_1", "ZENTAEDIT", Plain},
    {"TsComboBoxEx_1", "ZENTAEDIT", Plain},
    {"Form", "", Form},
    {"", "", Empty},
};

// Writes "Key = value" lines at one indentation, as stored descriptions hold them.
class TItemWriter {
 public:
  TItemWriter(std::string& out, int indent) : out_(out), indent_(indent, ' ') {}

  // Empty strings are not stored.
  void String(const std::string& key, const std::string& value) {
    if (value.empty()) return;
    std::string quoted = "'";
    for (char c : value) quoted += c == '\'' ? std::string("''") : std::string(1, c);
    Line(key, quoted + "'");
  }
  void Line(const std::string& key, const std::string& value) {
    out_ += indent_ + key + " = " + value + "\n";
  }

  // Every published property of the object in stream order; none of them declares a default.
  void Properties(const framework::TPersistent& object) {
    for (const framework::TPropInfo& p : object.ClassInfo().Properties()) {
      const framework::TPropValue value = p.Get(object);
      if (p.Kind == framework::TPropKind::String)
        String(p.Name, std::get<std::string>(value));
      else
        Line(p.Name, OrdinalText(p, std::get<std::int64_t>(value)));
    }
  }

 private:
  // Booleans, enumeration values and named colours by name, anything else as a number.
  static std::string OrdinalText(const framework::TPropInfo& p, std::int64_t value) {
    const auto color = framework::ColorToIdent(static_cast<TColor>(value));
    if (p.Kind == framework::TPropKind::Boolean) return value ? "True" : "False";
    if (p.Kind == framework::TPropKind::Enumeration)
      return std::string(p.Type->Names[static_cast<std::size_t>(value)]);
    if (p.Kind == framework::TPropKind::Color && color) return std::string(*color);
    return std::to_string(value);
  }

  std::string& out_;
  std::string indent_;
};

}  // namespace

std::vector<TsGeneralValues> StoredSkinSections() {
  std::vector<TsGeneralValues> sections;
  for (const TListed& listed : Listed) {
    // Every section writes its hot gradient as a blank, like the normal one.
    TsGeneralValues& values = sections.emplace_back(sSkinManager::DefaultGeneralValues());
    values.HotGradientData = " ";
    listed.Look(values);
    values.SectionName = listed.Name;
    values.ParentClassName = listed.Parent;
  }
  return sections;
}

std::string StoredSkinItem() {
  std::string out = "      item\n        Name = 'Velora2 (internal)'\n        GeneralData = <";
  sSkinManager::TsSkinGenerals sections(nullptr);
  for (const TsGeneralValues& values : StoredSkinSections()) {
    sSkinManager::TsSkinGeneral& section = *sections.Add();
    section.Values() = values;
    out += "\n          item\n";
    TItemWriter(out, 12).Properties(section);
    out += "          end";
  }
  out += ">\n        Images = <";
  for (const TListedImage& image : StoredSkinImages()) {
    out += "\n          item\n";
    TItemWriter w(out, 12);
    w.String("SectionName", image.Section);
    w.Line("Image.Data", "{file '" + image.Resource() + "'}");
    w.String("PropertyName", image.Property);
    out += "          end";
  }
  out += ">\n      end";
  return out;
}

}  // namespace skinart
