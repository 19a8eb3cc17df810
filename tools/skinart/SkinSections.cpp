#include <string>
#include <vector>

#include "framework/graphics/ColorIdent.h"
#include "tools/skinart/Palette.h"
#include "tools/skinart/SkinArt.h"

namespace skinart {

namespace {

// One section's keys in stream order, with the values most sections share.
struct TSection {
  std::string SectionName;
  std::string ParentClassName;
  TColor PaintingColor = 0xFFFFFF;
  std::string PaintingBevel = "cbNone";
  int PaintingBevelWidth = 2;
  int ShadowBlur = 6;
  TColor ShadowColor = 0;
  bool ShadowDontUse = false;
  bool ShadowEnabled = false;
  bool ReservedBoolean = false;
  int ShadowOffset = 3;
  int ShadowTransparency = 60;
  std::string FontColor = "0 -1 -1 -1 -1";
  std::string HotFontColor = "0 -1 -1 -1 -1";
  int PaintingTransparency = 0;
  int GradientPercent = 0;
  std::string GradientData = " ";
  int ImagePercent = 0;
  bool ShowFocus = false;
  bool FadingEnabled = false;
  int FadingIntervalIn = 5;
  int FadingIntervalOut = 5;
  int FadingIterations = 5;
  TColor HotPaintingColor = 0xFFFFFF;
  int HotPaintingTransparency = 0;
  std::string HotPaintingBevel = "cbNone";
  int HotPaintingBevelWidth = 2;
  int HotGradientPercent = 0;
  std::string HotGradientData = " ";
  int HotImagePercent = 0;
  TColor PaintingColorBorderTop = 0;
  TColor PaintingColorBorderBottom = 0;
  std::string SelectionBorderBevel = "ebLowered";
  int SelectionBorderWidth = 2;
  TColor SelectionColor = 0xFFFFFF;
};

const char* const PanelGradient =
    "16777215;15987699;17;0;0;15987699;15658734;71;0;0;15658734;14737632;11;0;0;14737632;"
    "14737632;0;0;0";

TSection Edit() {
  TSection s;
  s.PaintingBevel = "cbLoweredHard";
  s.PaintingBevelWidth = 1;
  s.PaintingColorBorderTop = GreyBlue;
  s.PaintingColorBorderBottom = GreyBlue;
  s.SelectionBorderBevel = "ebAsTopBorder";
  s.SelectionBorderWidth = 1;
  return s;
}

TSection Panel() {
  TSection s;
  s.PaintingColor = PanelFace;
  s.GradientPercent = 100;
  s.GradientData = PanelGradient;
  return s;
}

TSection RaisedPanel() {
  TSection s = Panel();
  s.PaintingBevel = "cbRaisedSoft";
  return s;
}

TSection ShadowedPanel() {
  TSection s = Panel();
  s.ShadowEnabled = true;
  s.ShadowOffset = 5;
  return s;
}

TSection Button() {
  TSection s;
  s.PaintingColor = GreyFace;
  s.PaintingTransparency = 50;
  s.HotPaintingColor = 13466380;
  s.HotPaintingTransparency = 60;
  s.FadingEnabled = true;
  s.FadingIterations = 4;
  return s;
}

TSection ShadowedButton() {
  TSection s = Button();
  s.ShadowEnabled = true;
  return s;
}

TSection ScrollTrack() {
  TSection s;
  s.PaintingColor = GreyFace;
  s.HotPaintingColor = 15790320;
  return s;
}

TSection Track() {
  TSection s;
  s.PaintingColor = PanelFace;
  s.HotPaintingColor = PanelFace;
  return s;
}

TSection Plain() {
  return TSection{};
}

TSection Gauge() {
  TSection s = Panel();
  s.GradientData = "15461355;16119285;52;0;0;16119285;15000804;47;0;0;15000804;15000804;0;0;0";
  s.ShadowOffset = 5;
  return s;
}

TSection Form() {
  TSection s;
  s.PaintingColor = FormFace;
  s.HotPaintingColor = FormFace;
  s.ImagePercent = 100;
  s.HotImagePercent = 100;
  return s;
}

TSection FormTitle() {
  TSection s;
  s.GradientPercent = 100;
  s.GradientData =
      "15985380;15588028;23;0;0;15588028;11107158;63;0;0;11107158;12550976;13;0;0;12550976;"
      "12550976;0;0;0";
  s.FontColor = "16777215 -1 -1 12615808 12615808";
  s.HotGradientPercent = 100;
  s.HotGradientData =
      "15190957;13864756;30;0;0;13864756;10969900;61;0;0;10969900;12550976;8;0;0;12550976;"
      "12550976;0;0;0";
  s.HotFontColor = "16775664 -1 -1 8140820 8140820";
  return s;
}

TSection MenuItem() {
  TSection s;
  s.PaintingTransparency = 100;
  s.FontColor = "5454116 16380127 16380127 -1 -1";
  s.HotGradientPercent = 100;
  s.HotGradientData =
      "16777215;14195561;16;0;0;14195561;12019471;69;0;0;12019471;15249265;14;0;0;15249265;"
      "15249265;0;0;0";
  s.HotFontColor = "16777181 -1 -1 10372910 10372910";
  return s;
}

TSection MenuLine() {
  TSection s;
  s.GradientPercent = 100;
  s.GradientData = "9330475;12224334;17;0;0;12224334;12550976;82;0;0;12550976;12550976;0;0;0";
  s.FontColor = "16777181 9920804 9920804 -1 -1";
  s.HotGradientPercent = 100;
  s.HotGradientData = "9330475;12480818;17;0;0;12480818;12550976;82;0;0;12550976;12550976;0;0;0";
  s.HotFontColor = "16777181 -1 -1 8140820 8140820";
  return s;
}

// The closing item: every value zero, black, false or the first of its kind.
TSection Empty() {
  TSection s;
  s.PaintingColor = 0;
  s.PaintingBevelWidth = 0;
  s.ShadowBlur = 0;
  s.ShadowOffset = 0;
  s.ShadowTransparency = 0;
  s.FontColor.clear();
  s.HotFontColor.clear();
  s.GradientData.clear();
  s.HotGradientData.clear();
  s.FadingIntervalIn = 0;
  s.FadingIntervalOut = 0;
  s.FadingIterations = 0;
  s.HotPaintingColor = 0;
  s.HotPaintingBevelWidth = 0;
  s.SelectionBorderBevel = "ebNone";
  s.SelectionBorderWidth = 0;
  s.SelectionColor = 0;
  return s;
}

struct TListed {
  const char* Name;
  const char* Parent;
  TSection (*Values)();
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
  void String(const char* key, const std::string& value) {
    if (value.empty()) return;
    std::string quoted = "'";
    for (char c : value) quoted += c == '\'' ? std::string("''") : std::string(1, c);
    Line(key, quoted + "'");
  }
  void Int(const char* key, int value) { Line(key, std::to_string(value)); }
  void Bool(const char* key, bool value) { Line(key, value ? "True" : "False"); }
  void Ident(const char* key, const std::string& value) { Line(key, value); }
  void Color(const char* key, TColor value) {
    const auto name = framework::ColorToIdent(value);
    Line(key, name ? std::string(*name) : std::to_string(value));
  }
  void Line(const char* key, const std::string& value) {
    out_ += indent_ + key + " = " + value + "\n";
  }

 private:
  std::string& out_;
  std::string indent_;
};

void WriteSection(std::string& out, const TSection& s) {
  TItemWriter w(out, 12);
  w.String("SectionName", s.SectionName);
  w.String("ParentClassName", s.ParentClassName);
  w.Color("PaintingColor", s.PaintingColor);
  w.Ident("PaintingBevel", s.PaintingBevel);
  w.Int("PaintingBevelWidth", s.PaintingBevelWidth);
  w.Int("ShadowBlur", s.ShadowBlur);
  w.Color("ShadowColor", s.ShadowColor);
  w.Bool("ShadowDontUse", s.ShadowDontUse);
  w.Bool("ShadowEnabled", s.ShadowEnabled);
  w.Bool("ReservedBoolean", s.ReservedBoolean);
  w.Int("ShadowOffset", s.ShadowOffset);
  w.Int("ShadowTransparency", s.ShadowTransparency);
  w.String("FontColor", s.FontColor);
  w.String("HotFontColor", s.HotFontColor);
  w.Int("PaintingTransparency", s.PaintingTransparency);
  w.Int("GradientPercent", s.GradientPercent);
  w.String("GradientData", s.GradientData);
  w.Int("ImagePercent", s.ImagePercent);
  w.Bool("ShowFocus", s.ShowFocus);
  w.Bool("FadingEnabled", s.FadingEnabled);
  w.Int("FadingIntervalIn", s.FadingIntervalIn);
  w.Int("FadingIntervalOut", s.FadingIntervalOut);
  w.Int("FadingIterations", s.FadingIterations);
  w.Color("HotPaintingColor", s.HotPaintingColor);
  w.Int("HotPaintingTransparency", s.HotPaintingTransparency);
  w.Ident("HotPaintingBevel", s.HotPaintingBevel);
  w.Int("HotPaintingBevelWidth", s.HotPaintingBevelWidth);
  w.Int("HotGradientPercent", s.HotGradientPercent);
  w.String("HotGradientData", s.HotGradientData);
  w.Int("HotImagePercent", s.HotImagePercent);
  w.Color("PaintingColorBorderTop", s.PaintingColorBorderTop);
  w.Color("PaintingColorBorderBottom", s.PaintingColorBorderBottom);
  w.Ident("SelectionBorderBevel", s.SelectionBorderBevel);
  w.Int("SelectionBorderWidth", s.SelectionBorderWidth);
  w.Color("SelectionColor", s.SelectionColor);
}

}  // namespace

std::string StoredSkinItem() {
  std::string out = "      item\n        Name = 'Velora2 (internal)'\n        GeneralData = <";
  for (const TListed& listed : Listed) {
    TSection section = listed.Values();
    section.SectionName = listed.Name;
    section.ParentClassName = listed.Parent;
    out += "\n          item\n";
    WriteSection(out, section);
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
