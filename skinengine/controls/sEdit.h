#pragma once

#include <memory>

#include "framework/controls/Edit.h"
#include "skinengine/style/sStyleEdits.h"

namespace sEdit {

// Where it lives: the field in sEdit.cpp, its skinned frame in sEditFrame.cpp.

// The skin engine's edit field: the framework's single-line edit with a skinned 3-pixel frame
// in its non-client area, from the border mask of its skin section or as a bevel, and the
// field's colour chosen by its style (another one while hot or focused). Keys listed in the
// style's KeysNextControl and KeysPrevControl move the focus.
class TsEdit : public framework::TCustomEdit {
 public:
  // The frame the skin paints round the client area, on every side.
  static constexpr int FrameSize = 3;

  explicit TsEdit(framework::TComponent* owner);
  ~TsEdit() override;

  static const framework::TClassInfo& StaticClassInfo();
  const framework::TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  sStyleEdits::TsStyle* sStyle() const { return sStyle_.get(); }

  // Recolours the field and repaints its frame before invalidating it.
  void Invalidate() override;

 protected:
  void Loaded() override;
  void WndProc(framework::TMessage& message) override;
  int FrameWidth() const override;
  void PaintFrame() override;

 private:
  // Loading or being destroyed: nothing is painted.
  bool Busy() const;
  void PaintMaskFrame(platform::Canvas& dc, const platform::Bitmap& mask,
                      platform::TColor transparent, platform::TColor color);
  void PaintBevelFrame(platform::Canvas& dc, platform::TColor color);

  std::unique_ptr<sStyleEdits::TsStyle> sStyle_;
};

}  // namespace sEdit
