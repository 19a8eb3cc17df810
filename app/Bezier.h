#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "app/BezierPointFile.h"
#include "app/BezierSurface.h"
#include "app/history/TableEdits.h"
#include "framework/forms/Form.h"
#include "platform/graphics/Canvas.h"

namespace framework {
class TGroupBox;
class TLabel;
class TPanel;
class TPaintBox;
class TImage;
class TListBox;
class TMainMenu;
class TMenuItem;
class TOpenDialog;
class TSaveDialog;
class TClassRegistry;
}  // namespace framework
namespace sEdit {
class TsEdit;
}
namespace sCustomButton {
class TsSpeedButton;
}
namespace sCheckbox {
class TsCheckBox;
}
namespace sGauge {
class TsGauge;
}
namespace suiGrid {
class TsuiStringGrid;
}
namespace sSkinManager {
class TsSkinManager;
}
namespace sSkinProvider {
class TsSkinProvider;
}

namespace Bezier {

namespace skins {
class TAppearance;
}

using framework::TObject;
class TWindowExports;

// The tool's main window: the count fields, the control-point table, the drawing area and
// every command. It is read from its stored description, the embedded resource "Bezier".
class TForm1 : public framework::TForm {
 public:
  explicit TForm1(framework::TComponent* owner);
  ~TForm1() override;

  static const framework::TClassInfo& StaticClassInfo();
  const framework::TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  // Every class the stored description names.
  static const framework::TClassRegistry& Classes();

  // Components, in stored order.
  framework::TGroupBox* Gb = nullptr;
  framework::TLabel* Jumlahkurva = nullptr;
  sEdit::TsEdit* EdM = nullptr;
  framework::TGroupBox* GroupBox = nullptr;
  framework::TLabel* JumlahTikon = nullptr;
  sEdit::TsEdit* EdN = nullptr;
  suiGrid::TsuiStringGrid* SGInput = nullptr;
  framework::TPanel* Panel = nullptr;
  framework::TPaintBox* PaintBox = nullptr;
  framework::TImage* Image = nullptr;
  framework::TListBox* ListGrid = nullptr;
  sGauge::TsGauge* Bar = nullptr;
  sCheckbox::TsCheckBox* CheckBox = nullptr;
  sCustomButton::TsSpeedButton* BtnRandom = nullptr;
  sCustomButton::TsSpeedButton* Gambar = nullptr;
  sCustomButton::TsSpeedButton* BtMxN = nullptr;
  framework::TMainMenu* MainMenu = nullptr;
  framework::TMenuItem* File1 = nullptr;
  framework::TMenuItem* Open = nullptr;
  framework::TMenuItem* Save1 = nullptr;
  framework::TMenuItem* Tutup1 = nullptr;
  framework::TMenuItem* Image2 = nullptr;
  framework::TMenuItem* Reset1 = nullptr;
  framework::TMenuItem* Tampilan1 = nullptr;
  framework::TMenuItem* Skin1 = nullptr;
  framework::TMenuItem* GayaTabel1 = nullptr;
  framework::TMenuItem* About1 = nullptr;
  framework::TMenuItem* About2 = nullptr;
  framework::TOpenDialog* OpenDialog = nullptr;
  framework::TSaveDialog* SaveDialog = nullptr;
  sSkinProvider::TsSkinProvider* sSkinProvider1 = nullptr;
  sSkinManager::TsSkinManager* sSkinManager1 = nullptr;

  // Tool state.
  std::int32_t SelectedCol = 1;
  std::int32_t SelectedRow = 1;
  std::int32_t PointCount = 0;
  MatA Points;
  bool LoadedFromFile = false;
  MatD FileLines;
  // Change tracking and undo of the table, the 3-D view's source.
  std::unique_ptr<TTableEdits> TableEdits;

  // File > "Simpan Gambar..." and the table through the clipboard.
  std::unique_ptr<TWindowExports> Exports;

  // Event handlers.
  void FormCreate(TObject* Sender);
  void EdMExit(TObject* Sender);
  void EdNExit(TObject* Sender);
  void BtMxNClick(TObject* Sender);
  void SGInputSelectCell(TObject* Sender, int ACol, int ARow, bool& CanSelect);
  void SGInputKeyPress(TObject* Sender, char& Key);
  void SGInputDblClick(TObject* Sender);
  void BtnRandomClick(TObject* Sender);
  void Reset1Click(TObject* Sender);
  void GambarClick(TObject* Sender);
  void OpenClick(TObject* Sender);
  void Save1Click(TObject* Sender);
  void Tutup1Click(TObject* Sender);
  void About2Click(TObject* Sender);

  // The "Tampilan" menu's skins and table styles, made when the window is created.
  skins::TAppearance& Appearance() const { return *appearance_; }

  // Shared operations.
  void ClearDrawing();
  bool TableComplete();
  void UpdateSizeButton();
  // Sizes the table; an edited cell that falls outside follows the current cell, which the
  // grid keeps inside.
  void SetTableRows(std::int32_t rows);

 private:
  // A cell's text. The counts, and the point count after File > Open, may ask for rows past
  // the table's end; their cells are empty.
  std::string CellText(int col, std::int32_t row) const;
  void CheckCountField(sEdit::TsEdit& field, const char* tooLarge, const char* tooSmall);
  // The drawing area's canvas: what the screen shows where the paint box lies.
  platform::Canvas& DrawingArea();

  std::unique_ptr<skins::TAppearance> appearance_;
};

}  // namespace Bezier
