// The 3-D view's File > "Simpan Gambar..." at 1x, 2x and 4x and "Ekspor Mesh...".
#include <cstring>

#include "app/export/MeshExport.h"
#include "app/export/ViewExports.h"
#include "platform/graphics/Png.h"
#include "platform/kernel/FileSystem.h"
#include "tests/app/view3d/ViewWindowSupport.h"
#include "tests/support/FailingDisk.h"

namespace Bezier::testing {
namespace {

constexpr int SavePicture = 0;
constexpr int ExportMesh = 1;
const std::vector<TVec3> Net{{0, 0, 0}, {100, 0, 40}, {0, 100, 40}, {100, 100, 0}};

class ViewExports : public ViewWindow {
 protected:
  // File > "Simpan Gambar..." (0) or "Ekspor Mesh..." (1) of the view, by mouse.
  void Choose(int item, const std::optional<std::string>& name, int filterIndex) {
    Backend().AnswerFileDialog(name, filterIndex);
    ChooseMenuItem(0, item, View().Handle());
  }
};

// Each size is rendered at that size: a line stays one pixel wide, so the 2x picture is no
// enlargement of the 1x one; the 1x picture is the window's own frame.
TEST_F(ViewExports, SavesTheViewAtTheWindowsSizeOrRenderedLarger) {
  EnterNet(Net);
  TViewForm& view = OpenView();
  view.Panel().Edits().Select(-1);  // no line about a selected point under the picture
  Settle(view);
  const TViewPanel& panel = view.Panel();
  const int w = panel.ClientWidth(), h = panel.ClientHeight();
  const platform::Bitmap once = ViewPicture(panel, 1);
  EXPECT_EQ(once, panel.Frame().Pixels());

  platform::Bitmap enlarged(2 * w, 2 * h);
  for (int y = 0; y < 2 * h; ++y)
    for (int x = 0; x < 2 * w; ++x) enlarged.SetPixel(x, y, once.Pixel(x / 2, y / 2));
  const struct { int FilterIndex, Factor; } sizes[] = {{1, 1}, {2, 2}, {3, 4}};
  for (const auto& size : sizes) {
    const std::string path = folder.Path("view" + std::to_string(size.Factor) + ".png");
    Choose(SavePicture, path, size.FilterIndex);
    const platform::Bitmap picture = ViewPicture(panel, size.Factor);
    EXPECT_EQ(picture.Width(), w * size.Factor);
    EXPECT_EQ(picture.Height(), h * size.Factor);
    const std::vector<std::uint8_t> png = platform::EncodePng(picture);
    EXPECT_EQ(tempfiles::ReadBytes(path), std::string(png.begin(), png.end()));
  }
  EXPECT_NE(ViewPicture(panel, 2), enlarged);
  EXPECT_EQ(Backend().Dialogs().front().File.DefaultExt, "png");
  EXPECT_EQ(MessageCount(), 0u);
}

// The tessellation is the dialog's choice, 64 x 64 offered first; the format the name's.
TEST_F(ViewExports, ExportsTheSurfaceAsTheNameAndTheChoiceSay) {
  EnterNet(Net);
  OpenView();
  const TPatch patch(2, 2, Net);
  const struct {
    std::string Name;
    int FilterIndex;
    std::string Written;  // the name with the dialog's extension
    std::string Expected;
  } meshes[] = {
      {"a", 3, "a.obj", SurfaceMesh(patch, 64, TMeshFormat::Obj)},
      {"b.stl", 1, "b.stl", SurfaceMesh(patch, 16, TMeshFormat::Stl)},
      {"c.PLY", 5, "c.PLY", SurfaceMesh(patch, 256, TMeshFormat::Ply)},
  };
  for (const auto& mesh : meshes) {
    Choose(ExportMesh, folder.Path(mesh.Name), mesh.FilterIndex);
    EXPECT_EQ(Backend().Dialogs().back().File.FilterIndex, 3) << "64 x 64 is offered first";
    EXPECT_EQ(tempfiles::ReadBytes(folder.Path(mesh.Written)), mesh.Expected) << mesh.Name;
  }
  EXPECT_EQ(MessageCount(), 0u);
}

// A surface that is not all there is told before any dialog, a name of no mesh format after
// it; nothing is written.
TEST_F(ViewExports, RefusesAMeshItCannotMake) {
  OpenView();
  SizeTable(2, 2);
  ChooseMenuItem(0, ExportMesh, View().Handle());
  EXPECT_EQ(Backend().Dialogs().size(), 1u) << "the message alone";
  EXPECT_EQ(Messages().back().second,
            "Permukaan belum lengkap: Baris 1 belum berisi bilangan bulat X, Y dan Z");
  EnterNet(Net);
  Choose(ExportMesh, folder.Path("a.dae"), 3);
  EXPECT_EQ(Messages().back().second,
            "Nama berkas mesh harus berakhiran .obj, .stl, .ply: \"" + folder.Path("a.dae") + "\"");
  EXPECT_EQ(folder.EntryCount(), 0u);
}

// Both saves go through the point files' seam: a disk that fails is told, the file kept.
TEST_F(ViewExports, ASaveThatFailsSaysWhyAndKeepsThePreviousFile) {
  EnterNet(Net);
  OpenView();
  for (const auto& [item, name] : {std::pair{SavePicture, "view.png"}, {ExportMesh, "view.obj"}}) {
    const std::string path = folder.Path(name);
    tempfiles::WriteBytes(path, "previous");
    Backend().AnswerQuestion(true);
    testsupport::FailingDisk disk(testsupport::FailingDisk::Call::Write, ENOSPC);
    const platform::ScopedFileSystem failing(disk);
    Choose(item, path, 1);
    EXPECT_EQ(Messages().back().second,
              "Cannot create file \"" + path + "\". " + std::strerror(ENOSPC));
    EXPECT_EQ(tempfiles::ReadBytes(path), "previous");
  }
  EXPECT_EQ(folder.EntryCount(), 2u);
}

}  // namespace
}  // namespace Bezier::testing
