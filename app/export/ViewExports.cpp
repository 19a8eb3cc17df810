#include "app/export/ViewExports.h"

#include <iterator>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "app/export/MeshExport.h"
#include "app/export/SaveFile.h"
#include "app/history/TableEdits.h"
#include "app/view3d/ViewPanel.h"
#include "app/view3d/ViewRender.h"
#include "framework/forms/FileDialogs.h"
#include "framework/runtime/Exceptions.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Png.h"

namespace Bezier {

namespace {

// The tessellations "Ekspor Mesh..." offers, finest last; DefaultMeshSteps is chosen first.
constexpr int MeshSteps[] = {16, 32, 64, 128, 256};

// "description|pattern|..." with one entry per choice, and the index of the one given.
template <class T>
std::string Choices(std::span<const T> choices, std::string (*describe)(T),
                    const std::string& pattern) {
  std::string filter;
  for (const T choice : choices)
    filter.append(filter.empty() ? "" : "|").append(describe(choice)).append("|").append(pattern);
  return filter;
}

std::string PictureChoice(int factor) {
  if (factor == 1) return "PNG, ukuran jendela (*.png)";
  return std::string("PNG, ").append(std::to_string(factor)).append("x ukuran jendela (*.png)");
}

std::string MeshChoice(int steps) {
  const std::string size = std::to_string(steps);
  return std::string("Mesh ").append(size).append(" x ").append(size).append(
      " (*.obj, *.stl, *.ply)");
}

// Shows a save dialog that offers the choices, the one at index first, and asks before it
// replaces a file; the name and the choice, none when it was cancelled.
struct TSaved {
  std::string FileName;
  std::size_t Choice = 0;
};
std::optional<TSaved> AskName(const char* title, const std::string& filter, std::size_t count,
                              std::size_t index, const char* extension) {
  framework::TSaveDialog dialog(nullptr);
  dialog.SetTitle(title);
  dialog.SetFilter(filter);
  dialog.SetFilterIndex(static_cast<int>(index) + 1);  // counts from 1
  dialog.SetDefaultExt(extension);
  dialog.SetOverwriteQuestion(OverwriteQuestion);
  if (!dialog.Execute()) return std::nullopt;
  const int chosen = dialog.FilterIndex() - 1;
  const bool known = chosen >= 0 && static_cast<std::size_t>(chosen) < count;
  return TSaved{dialog.FileName(), known ? static_cast<std::size_t>(chosen) : index};
}

std::string_view Bytes(const std::vector<std::uint8_t>& data) {
  return {reinterpret_cast<const char*>(data.data()), data.size()};
}

}  // namespace

platform::Bitmap ViewPicture(const TViewPanel& panel, int factor) {
  TCamera camera = panel.Camera();
  camera.Zoom(factor, 0, 0);
  TViewFrame frame;
  const TAxisEnds ends =
      RenderView(frame, panel.ClientWidth() * factor, panel.ClientHeight() * factor, camera,
                 panel.Scene(), panel.Options(), panel.SelectedPoint());
  platform::Canvas canvas(frame.Pixels());
  DrawAxisNames(canvas, ends);
  return std::move(frame.Pixels());
}

void SaveViewPicture(TViewPanel& panel, TTableEdits&) {
  const std::optional<TSaved> saved =
      AskName("Simpan Gambar", Choices<int>(ViewPictureFactors, PictureChoice, "*.png"),
              std::size(ViewPictureFactors), 0, "png");
  if (!saved) return;
  const int factor = ViewPictureFactors[saved->Choice];
  SaveFileData(saved->FileName, Bytes(platform::EncodePng(ViewPicture(panel, factor))));
}

void ExportViewMesh(TViewPanel& panel, TTableEdits&) {
  const TViewNet& net = panel.Scene().Net;
  if (!net.Complete())
    throw framework::Exception(std::string("Permukaan belum lengkap: ").append(net.Hint));
  constexpr std::size_t defaultIndex = 2;
  static_assert(MeshSteps[defaultIndex] == DefaultMeshSteps);
  const std::optional<TSaved> saved =
      AskName("Ekspor Mesh", Choices<int>(MeshSteps, MeshChoice, "*.obj;*.stl;*.ply"),
              std::size(MeshSteps), defaultIndex, "obj");
  if (!saved) return;
  const std::optional<TMeshFormat> format = MeshFormatOf(saved->FileName);
  if (!format)
    throw framework::Exception(std::string("Nama berkas mesh harus berakhiran ")
                                   .append(MeshExtensions())
                                   .append(": \"")
                                   .append(saved->FileName)
                                   .append("\""));
  const int steps = MeshSteps[saved->Choice];
  SaveFileData(saved->FileName, SurfaceMesh(TPatch(net.M, net.N, net.Points), steps, *format));
}

}  // namespace Bezier
