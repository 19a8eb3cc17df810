#include "DemoForm.h"

#include <string>

#include "DemoDescription.h"
#include "DemoPicture.h"
#include "framework/classes/ClassBuilder.h"
#include "framework/classes/ClassRegistry.h"
#include "framework/forms/Application.h"
#include "framework/forms/FrameworkClasses.h"
#include "framework/forms/MessageBoxes.h"

namespace formdemo {

using namespace platform;

TDemoForm::TDemoForm(TComponent* owner) : TForm(owner) {
  static const TClassRegistry classes = [] {
    TClassRegistry r;
    RegisterFrameworkClasses(r);
    return r;
  }();
  LoadDescription(DemoDescription, classes, DemoResource);
}

const TClassInfo& TDemoForm::StaticClassInfo() {
  using F = TDemoForm;
  static const TClassInfo info = TClassBuilder<F, TForm>("TDemoForm")
                                     .Field("EdName", &F::EdName)
                                     .Field("EdValue", &F::EdValue)
                                     .Field("EdPassword", &F::EdPassword)
                                     .Field("LbItems", &F::LbItems)
                                     .Field("SGTable", &F::SGTable)
                                     .Field("PaintBox", &F::PaintBox)
                                     .Field("Image", &F::Image)
                                     .Method("FormCreate", &F::FormCreate)
                                     .Method("PaintBoxPaint", &F::PaintBoxPaint)
                                     .Method("AboutClick", &F::AboutClick)
                                     .Method("CloseClick", &F::CloseClick)
                                     .Build();
  return info;
}

void TDemoForm::FormCreate(TObject*) {
  static const char* const Axes[] = {"X", "Y", "Z"};
  for (int col = 1; col < SGTable->ColCount(); ++col) SGTable->SetCells(col, 0, Axes[col - 1]);
  for (int row = 1; row < SGTable->RowCount(); ++row) {
    SGTable->SetCells(0, row, std::to_string(row));
    for (int col = 1; col < SGTable->ColCount(); ++col)
      SGTable->SetCells(col, row, std::to_string(row * 10 + col));
  }
}

// A sky, a sun and a zigzag line, in colours a screenshot can find.
void TDemoForm::PaintBoxPaint(TObject*) {
  TCanvas& canvas = *PaintBox->Canvas();
  const int w = PaintBox->Width();
  const int h = PaintBox->Height();
  canvas.Brush()->SetColor(clSkyBlue);
  canvas.FillRect({0, 0, w, h});
  canvas.Pen()->SetColor(clMaroon);
  canvas.Brush()->SetColor(clYellow);
  canvas.Ellipse(w - 70, 10, w - 10, 70);
  canvas.Pen()->SetColor(clNavy);
  canvas.Pen()->SetWidth(3);
  canvas.MoveTo(10, h - 20);
  for (int i = 1; i <= 8; ++i) canvas.LineTo(10 + i * (w - 20) / 8, i % 2 ? h / 2 : h - 20);
  canvas.Pen()->SetWidth(1);
  canvas.Brush()->SetStyle(bsClear);
  canvas.TextOut(10, 10, "TPaintBox");
}

void TDemoForm::AboutClick(TObject*) {
  ShowMessage("Form demo: every standard control of the framework.");
}

void TDemoForm::CloseClick(TObject*) {
  Close();
}

}  // namespace formdemo
