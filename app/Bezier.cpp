#include "app/Bezier.h"

#include "app/skins/Appearance.h"
#include "app/skins/SkinFolders.h"

#include <optional>
#include <string>
#include <string_view>

#include "app/export/WindowExports.h"
#include "app/view3d/ViewForm.h"
#include "framework/classes/ClassBuilder.h"
#include "framework/classes/ClassRegistry.h"
#include "framework/controls/GroupBox.h"
#include "framework/controls/Image.h"
#include "framework/controls/Label.h"
#include "framework/controls/ListBox.h"
#include "framework/controls/PaintBox.h"
#include "framework/controls/Panel.h"
#include "framework/forms/Application.h"
#include "framework/forms/FileDialogs.h"
#include "framework/forms/FrameworkClasses.h"
#include "framework/forms/Menus.h"
#include "framework/forms/MessageBoxes.h"
#include "platform/kernel/Resources.h"
#include "skinengine/controls/sCheckbox.h"
#include "skinengine/controls/sCustomButton.h"
#include "skinengine/controls/sEdit.h"
#include "skinengine/controls/sGauge.h"
#include "skinengine/frame/sSkinProvider.h"
#include "skinengine/skin/sSkinManager.h"
#include "styled/suiClasses.h"
#include "styled/suiGrid.h"

namespace Bezier {

using namespace framework;

namespace {

constexpr const char* DescriptionName = "Bezier";

std::optional<TBytes> EmbeddedFile(const std::string& name) {
  const auto data = platform::FindResource(name);
  if (!data) return std::nullopt;
  return TBytes(data->begin(), data->end());
}

}  // namespace

TForm1::TForm1(TComponent* owner) : TForm(owner) {
  const auto text = platform::LoadResource(DescriptionName);
  LoadDescription(std::string_view(reinterpret_cast<const char*>(text.data()), text.size()),
                  Classes(), EmbeddedFile);
  TableEdits = std::make_unique<TTableEdits>(*this);
  InstallView3D(*this);
  Exports = std::make_unique<TWindowExports>(*this);
}

TForm1::~TForm1() {
  DestroyComponents();
}

const TClassRegistry& TForm1::Classes() {
  static const TClassRegistry registry = [] {
    TClassRegistry classes;
    RegisterFrameworkClasses(classes);
    sSkinProvider::RegisterSkinClasses(classes);
    suiClasses::RegisterStyledClasses(classes);
    return classes;
  }();
  return registry;
}

const TClassInfo& TForm1::StaticClassInfo() {
  using F = TForm1;
  static const TClassInfo info = TClassBuilder<F, TForm>("TForm1")
                                     .Field("Gb", &F::Gb)
                                     .Field("Jumlahkurva", &F::Jumlahkurva)
                                     .Field("EdM", &F::EdM)
                                     .Field("GroupBox", &F::GroupBox)
                                     .Field("JumlahTikon", &F::JumlahTikon)
                                     .Field("EdN", &F::EdN)
                                     .Field("SGInput", &F::SGInput)
                                     .Field("Panel", &F::Panel)
                                     .Field("PaintBox", &F::PaintBox)
                                     .Field("Image", &F::Image)
                                     .Field("ListGrid", &F::ListGrid)
                                     .Field("Bar", &F::Bar)
                                     .Field("CheckBox", &F::CheckBox)
                                     .Field("BtnRandom", &F::BtnRandom)
                                     .Field("Gambar", &F::Gambar)
                                     .Field("BtMxN", &F::BtMxN)
                                     .Field("MainMenu", &F::MainMenu)
                                     .Field("File1", &F::File1)
                                     .Field("Open", &F::Open)
                                     .Field("Save1", &F::Save1)
                                     .Field("Tutup1", &F::Tutup1)
                                     .Field("Image2", &F::Image2)
                                     .Field("Reset1", &F::Reset1)
                                     .Field("Tampilan1", &F::Tampilan1)
                                     .Field("Skin1", &F::Skin1)
                                     .Field("GayaTabel1", &F::GayaTabel1)
                                     .Field("About1", &F::About1)
                                     .Field("About2", &F::About2)
                                     .Field("OpenDialog", &F::OpenDialog)
                                     .Field("SaveDialog", &F::SaveDialog)
                                     .Field("sSkinProvider1", &F::sSkinProvider1)
                                     .Field("sSkinManager1", &F::sSkinManager1)
                                     .Method("FormCreate", &F::FormCreate)
                                     .Method("EdMExit", &F::EdMExit)
                                     .Method("EdNExit", &F::EdNExit)
                                     .Method("BtMxNClick", &F::BtMxNClick)
                                     .Method("SGInputSelectCell", &F::SGInputSelectCell)
                                     .Method("SGInputKeyPress", &F::SGInputKeyPress)
                                     .Method("SGInputDblClick", &F::SGInputDblClick)
                                     .Method("BtnRandomClick", &F::BtnRandomClick)
                                     .Method("Reset1Click", &F::Reset1Click)
                                     .Method("GambarClick", &F::GambarClick)
                                     .Method("OpenClick", &F::OpenClick)
                                     .Method("Save1Click", &F::Save1Click)
                                     .Method("Tutup1Click", &F::Tutup1Click)
                                     .Method("About2Click", &F::About2Click)
                                     .Build();
  return info;
}

void TForm1::FormCreate(TObject*) {
  LoadedFromFile = false;
  SGInput->SetCells(0, 0, "Titik Kontrol");
  SGInput->SetCells(1, 0, "X");
  SGInput->SetCells(2, 0, "Y");
  SGInput->SetCells(3, 0, "Z");
  EdM->SetHint("Masukan Nilai M = 1<m<10");
  EdN->SetHint("Masukan Nilai N = 1<n<10");
  EdM->SetShowHint(true);
  EdN->SetShowHint(true);
  SGInput->SetEnabled(false);
  Gambar->SetEnabled(false);
  BtnRandom->SetEnabled(false);
  appearance_ =
      std::make_unique<skins::TAppearance>(*this, skins::SkinRoots(), settings::SettingsPath());
}

void TForm1::Tutup1Click(TObject*) {
  Application()->Terminate();
}

void TForm1::About2Click(TObject*) {
  MessageDlg(
      "Bezier Surface curve !\r\rDibuat Untuk Menyelesaikan Tugas Akhir Teknik "
      "Informatika\rBandung,Indonesia.",
      mtCustom);
}

}  // namespace Bezier
