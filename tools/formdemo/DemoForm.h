#pragma once

#include "framework/controls/Edit.h"
#include "framework/controls/Image.h"
#include "framework/controls/ListBox.h"
#include "framework/controls/PaintBox.h"
#include "framework/controls/StringGrid.h"
#include "framework/forms/Form.h"

namespace formdemo {

using namespace framework;

// The showcase form: it reads its controls from the stored description, fills the table
// when created, draws a picture in the paint box and answers the menu.
class TDemoForm : public TForm {
 public:
  explicit TDemoForm(TComponent* owner);

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  void FormCreate(TObject* sender);
  void PaintBoxPaint(TObject* sender);
  void AboutClick(TObject* sender);
  void CloseClick(TObject* sender);

  TEdit* EdName = nullptr;
  TEdit* EdValue = nullptr;
  TEdit* EdPassword = nullptr;
  TListBox* LbItems = nullptr;
  TStringGrid* SGTable = nullptr;
  TPaintBox* PaintBox = nullptr;
  TImage* Image = nullptr;
};

}  // namespace formdemo
