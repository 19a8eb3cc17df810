#include "skinengine/style/sStyleEdits.h"

#include "framework/classes/ClassBuilder.h"

namespace sStyleEdits {

TsEditorStyle::TsEditorStyle(framework::TControl* owner)
    : TsGenStyle(owner),
      painting_(std::make_unique<TsPainting>(this)),
      selection_(std::make_unique<TsEditorSelection>(this)) {}

TsEditorStyle::~TsEditorStyle() = default;

const framework::TClassInfo& TsEditorStyle::StaticClassInfo() {
  using S = TsEditorStyle;
  static const framework::TClassInfo info =
      framework::TClassBuilder<S, sStyleSimply::TsGenStyle>("TsEditorStyle")
          .Object("Painting", &S::Painting)
          .Object("Selection", &S::Selection)
          .Build();
  return info;
}

void TsEditorStyle::ParentColorChanged(platform::TColor color) {
  if (!painting_->ParentColor()) return;
  painting_->TakeParentColor(color);
  SetCacheStale(true);
}

TsCustomStyle::TsCustomStyle(framework::TControl* owner)
    : TsEditorStyle(owner), caption_(std::make_unique<TsStyleCaption>(this)) {}

TsCustomStyle::~TsCustomStyle() = default;

const framework::TClassInfo& TsCustomStyle::StaticClassInfo() {
  using S = TsCustomStyle;
  static const framework::TClassInfo info =
      framework::TClassBuilder<S, TsEditorStyle>("TsCustomStyle")
          .Object("Caption", &S::Caption)
          .String("KeysNextControl", &S::KeysNextControl, &S::SetKeysNextControl)
          .String("KeysPrevControl", &S::KeysPrevControl, &S::SetKeysPrevControl)
          .Build();
  return info;
}

const framework::TClassInfo& TsStyle::StaticClassInfo() {
  static const framework::TClassInfo info =
      framework::TClassBuilder<TsStyle, TsCustomStyle>("TsStyle").Build();
  return info;
}

}  // namespace sStyleEdits
