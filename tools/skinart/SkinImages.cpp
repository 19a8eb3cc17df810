#include <cctype>
#include <functional>
#include <map>

#include "tools/skinart/GlyphArt.h"
#include "tools/skinart/MaskArt.h"
#include "tools/skinart/Palette.h"
#include "tools/skinart/SkinArt.h"

namespace skinart {

namespace {

constexpr TColor White = 0xFFFFFF;

constexpr TStateLook GreyFrame{GreyBlue, White, White};
constexpr TStateLook BlueFrame{DeepBlue, White, White};
constexpr TStateLook ButtonStates[3] = {
    {GreyBlue, White, GreyFace}, {TitleBlue, White, HotFace}, {DeepBlue, PaleBlue, HotFace}};

constexpr TBorderLook ButtonLook{
    3, {ButtonStates[0], ButtonStates[1], ButtonStates[2]}, 190, true, 160};
constexpr TBorderLook TabLook{
    3, {ButtonStates[0], ButtonStates[1], ButtonStates[2]}, 235, true, 150};
constexpr TBorderLook PanelLook{4, {GreyFrame, GreyFrame, GreyFrame}, 0, false, 170};
constexpr TBorderLook FlatLook{1, {GreyFrame, GreyFrame, GreyFrame}, 0, false, 0};
constexpr TBorderLook EditLook{
    2, {GreyFrame, {TitleBlue, White, White}, {DeepBlue, White, White}}, 0, false, 0};
constexpr TBorderLook ProgressLook{2,
                                   {{DeepBlue, PaleBlue, TitleBlue},
                                    {DeepBlue, PaleBlue, TitleBlue},
                                    {DeepBlue, PaleBlue, TitleBlue}},
                                   255,
                                   true,
                                   120};
constexpr TBorderLook TrackLook{
    2,
    {{0xD0D0D0, GreyFace, 0xF6F6F6}, {0xC8C8C8, 0xF0F0F0, White}, {0xB8B8B8, 0xE0E0E0, 0xF0F0F0}},
    255,
    false,
    0};
constexpr TBorderLook ChannelLook{1,
                                  {{GreyBlue, 14737632, 0xF8F8F8},
                                   {GreyBlue, 14737632, 0xF8F8F8},
                                   {GreyBlue, 14737632, 0xF8F8F8}},
                                  255,
                                  false,
                                  0};
constexpr TBorderLook TitleLook{5, {BlueFrame, BlueFrame, BlueFrame}, 0, false, 110};
constexpr TBorderLook FrameLook{6, {BlueFrame, BlueFrame, BlueFrame}, 0, false, 150};
constexpr TBorderLook MenuBarLook{0, {BlueFrame, BlueFrame, BlueFrame}, 0, false, 60};
constexpr TBorderLook BigButtonLook{
    8, {ButtonStates[0], ButtonStates[1], ButtonStates[2]}, 200, true, 170};

using Drawing = std::function<platform::Bitmap(int width, int height)>;

Drawing Mask(const TBorderLook& look) {
  return [&look](int w, int h) { return DrawBorderMask(w, h, look); };
}

Drawing Cells(CellArt art) {
  return [art = std::move(art)](int w, int h) { return DrawGlyphCells(w, h, art); };
}

// The window's background picture: its face with faint diagonal threads.
Drawing Texture(TColor face) {
  return [face](int w, int h) {
    platform::Bitmap b(w, h);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x)
        b.SetPixel(x, y, Mix(face, White, (x + y) % 6 == 0 ? 60 : (x + 2 * y) % 10 == 0 ? 25 : 0));
    return b;
  };
}

// How each property looks, by section where sections differ.
Drawing DrawingFor(const TListedImage& image) {
  const std::string& s = image.Section;
  const std::string& p = image.Property;
  if (p == "GlyphChecked" || p == "GlyphUnChecked") {
    const bool checked = p == "GlyphChecked";
    return Cells(s == "TsRadioButton" ? RadioArt(checked) : CheckBoxArt(checked));
  }
  if (p == "ActiveTabBordersMask" || p == "InactiveTabBordersMask") return Mask(TabLook);
  if (p == "PageBordersMask" || p == "StatusPanelMask") return Mask(FlatLook);
  if (p == "GripImage") return Cells(SizeGripArt());
  if (p == "SliderChannel") return Mask(ChannelLook);
  if (p == "SliderMask") return Cells(SliderArt(false));
  if (p == "SliderVMask") return Cells(SliderArt(true));
  if (p == "GaugeProgressMask") return Mask(ProgressLook);
  if (IsBackgroundPicture(image))
    return Texture(p == "Imagefile" ? FormFace : Mix(FormFace, White, 40));
  static const std::map<std::string, TitleIcon> icons = {{"BIconClose", TitleIcon::Close},
                                                         {"BIconHelp", TitleIcon::Help},
                                                         {"BIconMax", TitleIcon::Max},
                                                         {"BIconMin", TitleIcon::Min},
                                                         {"BIconNorm", TitleIcon::Norm}};
  if (const auto icon = icons.find(p); icon != icons.end())
    return Cells(TitleButtonArt(icon->second));
  if (p == "GlyphMask") {
    if (s == "SCROLLBTNTop") return Cells(ArrowArt(Direction::Up));
    if (s == "SCROLLBTNLeft") return Cells(ArrowArt(Direction::Left));
    if (s == "SCROLLBTNRight") return Cells(ArrowArt(Direction::Right));
    if (s == "ScrollSliderV") return Cells(ThumbGripArt(true));
    if (s == "ScrollSliderH") return Cells(ThumbGripArt(false));
    return Cells(ArrowArt(Direction::Down));  // combo boxes and the lower scroll button
  }
  // Border masks.
  if (s == "TsGroupBox" || s == "TsStatusBar" || s == "TsPageControl" ||
      s.starts_with("TsPageControl"))
    return Mask(FlatLook);
  if (s == "TsDragBar" || s == "TsContainer" || s == "TsPanel") return Mask(PanelLook);
  if (s.starts_with("ScrollBar")) return Mask(TrackLook);
  if (s == "MenuLine") return Mask(MenuBarLook);
  if (s == "FormTitle") return [](int w, int h) { return DrawTitleMask(w, h, TitleLook); };
  if (s == "Form") return Mask(FrameLook);
  if (s == "SIMPLYEDIT" || s == "ZENTAEDIT") return Mask(EditLook);
  if (s == "TsGauge") return Mask(FlatLook);
  if (s == "TsButton_Big") return Mask(BigButtonLook);
  return Mask(ButtonLook);  // buttons of every size
}

}  // namespace

bool IsBackgroundPicture(const TListedImage& image) {
  return image.Property == "Imagefile" || image.Property == "HotImagefile";
}

platform::Bitmap DrawListedImage(const TListedImage& image) {
  return DrawingFor(image)(image.Width, image.Height);
}

std::string TListedImage::Resource() const {
  std::string name = "VELORA_" + Section + "_" + Property;
  for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return name;
}

const std::vector<TListedImage>& StoredSkinImages() {
  static const std::vector<TListedImage> images = [] {
    std::vector<TListedImage> list = {
        {"TsRadioButton", "GlyphChecked", 48, 36},
        {"TsRadioButton", "GlyphUnChecked", 48, 36},
        {"TsGroupBox", "BordersMask", 81, 54},
        {"TsStatusBar", "BordersMask", 45, 42},
        {"TsStatusBar", "GripImage", 39, 26},
        {"TsStatusBar", "StatusPanelMask", 27, 42},
        {"TsCheckBox", "GlyphChecked", 48, 36},
        {"TsCheckBox", "GlyphUnChecked", 48, 36},
        {"TsTabSheet", "ActiveTabBordersMask", 90, 66},
        {"TsTabSheet", "InactiveTabBordersMask", 90, 60},
        {"TsTabSheet", "PageBordersMask", 36, 24},
        {"TsComboBox", "GlyphMask", 45, 34},
        {"SCROLLBTNTop", "GlyphMask", 27, 16},
        {"TsDragBar", "BordersMask", 135, 90},
        {"SCROLLBTNLeft", "GlyphMask", 18, 18},
        {"ScrollBar2V", "BordersMask", 45, 30},
        {"TsTrackBar", "SliderChannel", 18, 12},
        {"TsTrackBar", "SliderMask", 33, 42},
        {"TsTrackBar", "SliderVMask", 63, 22},
        {"MenuLine", "BordersMask", 63, 30},
        {"TsPageControl", "BordersMask", 36, 24},
        {"ScrollBar1H", "BordersMask", 45, 30},
        {"ScrollBar1V", "BordersMask", 45, 30},
        {"ScrollSliderV", "GlyphMask", 21, 16},
        {"SCROLLBTNRight", "GlyphMask", 18, 18},
        {"SCROLLBTNBottom", "BordersMask", 63, 42},
        {"SCROLLBTNBottom", "GlyphMask", 27, 16},
        {"ScrollSliderH", "GlyphMask", 24, 14},
        {"CalcPanel", "BordersMask", 18, 12},
        {"TsSpeedButton_Small", "BordersMask", 27, 18},
        {"TsSpeedButton", "BordersMask", 144, 60},
        {"TsContainer", "BordersMask", 135, 90},
        {"TsGauge", "BordersMask", 45, 30},
        {"TsGauge", "GaugeProgressMask", 72, 30},
        {"TsPanel", "BordersMask", 135, 90},
    };
    for (const char* side : {"TsTabSheetBOTTOM", "TsTabSheetLEFT", "TsTabSheetRIGHT"}) {
      list.push_back({side, "ActiveTabBordersMask", 90, 60});
      list.push_back({side, "InactiveTabBordersMask", 90, 60});
    }
    list.push_back({"FormTitle", "BordersMask", 63, 30});
    for (const char* side : {"TsPageControlBOTTOM", "TsPageControlLEFT", "TsPageControlRIGHT"})
      list.push_back({side, "BordersMask", 36, 24});
    list.push_back({"TsTabControl", "ActiveTabBordersMask", 90, 66});
    list.push_back({"TsTabControl", "InactiveTabBordersMask", 90, 60});
    for (const char* side : {"TsTabControlLEFT", "TsTabControlRIGHT", "TsTabControlBOTTOM"}) {
      list.push_back({side, "ActiveTabBordersMask", 90, 60});
      list.push_back({side, "InactiveTabBordersMask", 90, 60});
    }
    list.push_back({"TsButton", "BordersMask", 63, 42});
    list.push_back({"SIMPLYEDIT", "BordersMask", 36, 24});
    list.push_back({"ZENTAEDIT", "BordersMask", 27, 18});
    list.push_back({"TsButton_Big", "BordersMask", 135, 90});
    for (const char* combo : {"TsColorBox", "TscomboBoxEx", "TsColorBox_1", "TsComboBoxEx_1"})
      list.push_back({combo, "GlyphMask", 45, 34});
    for (const char* icon : {"BIconClose", "BIconHelp", "BIconMax", "BIconMin", "BIconNorm"})
      list.push_back({"Form", icon, 51, 32});
    list.push_back({"Form", "BordersMask", 135, 90});
    list.push_back({"Form", "HotImagefile", 30, 30});
    list.push_back({"Form", "Imagefile", 30, 30});
    return list;
  }();
  return images;
}

std::vector<TNamedBitmap> DrawSkinBitmaps() {
  std::vector<TNamedBitmap> bitmaps;
  for (const TListedImage& image : StoredSkinImages())
    bitmaps.push_back({image.Resource(), DrawListedImage(image)});

  const TBorderLook* builtIn[] = {&ButtonLook, &PanelLook, &EditLook, &ProgressLook};
  for (int i = 0; i < 4; ++i)
    bitmaps.push_back({"BORD" + std::to_string(i + 1), DrawBorderMask(90, 60, *builtIn[i])});
  bitmaps.push_back({"BORD5", DrawBorderMask(54, 36, ButtonLook)});
  bitmaps.push_back({"BORD6", DrawBorderMask(450, 96, BigButtonLook)});

  // Single pictures on the transparent colour: radio (R) or check box (C), checked or
  // unchecked, normal (C) or hot (H).
  for (const char kind : {'R', 'C'})
    for (const char state : {'C', 'H'})
      for (const char checked : {'C', 'U'}) {
        Layer glyph(16, 16);
        const CellArt art = kind == 'R' ? RadioArt(checked == 'C') : CheckBoxArt(checked == 'C');
        art(glyph, state == 'H' ? 1 : 0);
        bitmaps.push_back({std::string{kind, checked, state}, glyph.Flatten(GreyFace)});
      }
  return bitmaps;
}

}  // namespace skinart
