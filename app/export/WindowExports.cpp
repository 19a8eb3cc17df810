#include "app/export/WindowExports.h"

#include <vector>

#include "app/Bezier.h"
#include "app/export/SaveFile.h"
#include "app/export/TableClipboard.h"
#include "framework/controls/PaintBox.h"
#include "framework/forms/FileDialogs.h"
#include "framework/forms/Menus.h"
#include "platform/graphics/Png.h"
#include "platform/window/Clipboard.h"
#include "platform/window/Paint.h"
#include "skinengine/controls/sCustomButton.h"
#include "styled/suiGrid.h"

namespace Bezier {

using namespace framework;

TWindowExports::TWindowExports(TForm1& form) : form_(form), pictureDialog_(new TSaveDialog(&form)) {
  pictureDialog_->SetTitle("Simpan Gambar");
  pictureDialog_->SetFilter("*.png|*.png");
  pictureDialog_->SetDefaultExt("png");
  pictureDialog_->SetOverwriteQuestion(OverwriteQuestion);
  auto& item = dynamic_cast<TMenuItem&>(*form.FindComponent(SavePictureItem));
  item.OnClick = [this](TObject* sender) { SavePictureClick(sender); };
  form.SGInput->OnKeyDown = [this](TObject* sender, std::uint16_t& key, TShiftState shift) {
    TableKeyDown(sender, key, shift);
  };
}

void TWindowExports::SavePictureClick(TObject*) {
  if (!pictureDialog_->Execute()) return;
  const std::vector<std::uint8_t> png = platform::EncodePng(ShownDrawing(form_));
  SaveFileData(pictureDialog_->FileName(),
               std::string_view(reinterpret_cast<const char*>(png.data()), png.size()));
}

void TWindowExports::TableKeyDown(TObject*, std::uint16_t& key, TShiftState shift) {
  if (!shift.Contains(ssCtrl) || shift.Contains(ssAlt)) return;
  if (key == 'C') {
    platform::SetClipboardText(CopiedText(*form_.SGInput));
    key = 0;
  } else if (key == 'V') {
    key = 0;
    PasteTable();
  }
}

void TWindowExports::PasteTable() {
  const std::string text = platform::GetClipboardText();
  form_.TableEdits->AsOneStep([&] { PasteText(*form_.SGInput, text); });
  // A pasted table can be drawn at once, as one that was opened or randomized.
  form_.Gambar->SetEnabled(true);
}

platform::Bitmap ShownDrawing(TForm1& form) {
  platform::UpdateWindow(form.Handle());  // what is still to be painted is shown already
  platform::Bitmap picture(AreaWidth, AreaHeight);
  TCanvas& area = *form.PaintBox->Canvas();
  platform::Canvas(picture).CopyRect(picture.BoundsRect(), *area.Handle(), area.ClipRect());
  return picture;
}

}  // namespace Bezier
