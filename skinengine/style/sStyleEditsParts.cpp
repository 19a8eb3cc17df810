#include <memory>
#include <string_view>

#include "framework/classes/ClassBuilder.h"
#include "skinengine/skin/sBevelTypes.h"
#include "skinengine/style/sStyleEdits.h"

namespace sStyleEdits {

namespace {
constexpr std::string_view CaptionLayoutNames[] = {"sclLeft", "sclTopLeft", "sclTopCenter",
                                                   "sclTopRight"};
constexpr std::string_view SelectionModeNames[] = {"msBorder", "msColor"};
}  // namespace

const framework::TEnumType CaptionLayoutType{"TsCaptionLayout", CaptionLayoutNames};
const framework::TEnumType SelectionModeType{"TsSelectionMode", SelectionModeNames};

const framework::TClassInfo& TsEditorBorder::StaticClassInfo() {
  using B = TsEditorBorder;
  static const framework::TClassInfo info =
      framework::TClassBuilder<B, framework::TPersistent>("TsEditorBorder")
          .Int("Width", &B::Width, &B::SetWidth, B::DefaultWidth)
          .Enum("Bevel", sBevelTypes::EditorBevelType, &B::Bevel, &B::SetBevel, B::DefaultBevel)
          .Build();
  return info;
}

TsEditorSelection::TsEditorSelection(framework::TPersistent* owner)
    : owner_(owner), border_(std::make_unique<TsEditorBorder>(this)) {}

TsEditorSelection::~TsEditorSelection() = default;

const framework::TClassInfo& TsEditorSelection::StaticClassInfo() {
  using S = TsEditorSelection;
  static const framework::TClassInfo info =
      framework::TClassBuilder<S, framework::TPersistent>("TsEditorSelection")
          .Object("Border", &S::Border)
          .Color("Color", &S::Color, &S::SetColor, S::DefaultColor)
          .Set("Mode", SelectionModeType, &S::Mode, &S::SetMode, S::DefaultMode)
          .Build();
  return info;
}

const framework::TClassInfo& TsStyleCaption::StaticClassInfo() {
  using C = TsStyleCaption;
  static const framework::TClassInfo info =
      framework::TClassBuilder<C, framework::TPersistent>("TsStyleCaption")
          .Enum("Layout", CaptionLayoutType, &C::Layout, &C::SetLayout, framework::NoDefault)
          .Int("MaxWidth", &C::MaxWidth, &C::SetMaxWidth, framework::NoDefault)
          .Object("Font", &C::Font)
          .String("Text", &C::Text, &C::SetText)
          .Bool("Active", &C::Active, &C::SetActive, framework::NoDefault)
          .Build();
  return info;
}

}  // namespace sStyleEdits
