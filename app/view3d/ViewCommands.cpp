#include "app/view3d/ViewCommands.h"

#include <algorithm>

#include "app/export/ViewExports.h"
#include "app/history/TableEdits.h"
#include "app/view3d/ViewPanel.h"
#include "platform/window/Messages.h"

namespace Bezier {

namespace {

template <bool TViewOptions::*Option>
void Toggle(TViewPanel& panel, TTableEdits&) {
  TViewOptions options = panel.Options();
  options.*Option = !(options.*Option);
  panel.SetOptions(options);
}

template <bool TViewOptions::*Option>
bool IsOn(const TViewPanel& panel) {
  return panel.Options().*Option;
}

template <int Change>
void IsoLines(TViewPanel& panel, TTableEdits&) {
  TViewOptions options = panel.Options();
  options.IsoCount =
      std::clamp(options.IsoCount + Change, TViewOptions::MinIsoLines, TViewOptions::MaxIsoLines);
  panel.SetOptions(options);
}

template <TFixedView View>
void Show(TViewPanel& panel, TTableEdits&) {
  panel.ShowFixedView(View);
}

void TogglePerspective(TViewPanel& panel, TTableEdits&) {
  panel.SetProjection(panel.Camera().Projection == TProjection::Perspective
                          ? TProjection::Orthographic
                          : TProjection::Perspective);
}

bool InPerspective(const TViewPanel& panel) {
  return panel.Camera().Projection == TProjection::Perspective;
}

void Nothing(TViewPanel&, TTableEdits&) {}

constexpr TViewCommand Commands[] = {
    {"File", "Simpan Gambar...", 0, SaveViewPicture, nullptr},
    {"File", "Ekspor Mesh...", 0, ExportViewMesh, nullptr},
    {"Tampilan", "Jaring Kontrol", 'N', Toggle<&TViewOptions::Net>, IsOn<&TViewOptions::Net>},
    {"Tampilan", "Garis Iso", 'I', Toggle<&TViewOptions::IsoLines>, IsOn<&TViewOptions::IsoLines>},
    {"Tampilan", "Permukaan Berbayang", 'S', Toggle<&TViewOptions::Shaded>,
     IsOn<&TViewOptions::Shaded>},
    {"Tampilan", "Sumbu dan Lantai", 'G', Toggle<&TViewOptions::Axes>, IsOn<&TViewOptions::Axes>},
    {"Tampilan", "-", 0, Nothing, nullptr},
    {"Tampilan", "Garis Iso Lebih Rapat", platform::VK_PRIOR, IsoLines<1>, nullptr},
    {"Tampilan", "Garis Iso Lebih Jarang", platform::VK_NEXT, IsoLines<-1>, nullptr},
    {"Tampilan", "-", 0, Nothing, nullptr},
    {"Tampilan", "Perspektif", 'P', TogglePerspective, InPerspective},
    {"Tampilan", "-", 0, Nothing, nullptr},
    {"Tampilan", "Pas ke Jendela", platform::VK_HOME,
     [](TViewPanel& panel, TTableEdits&) { panel.FitToWindow(); }, nullptr},
    {"Tampilan", "Sepanjang Sumbu X", '1', Show<TFixedView::AlongX>, nullptr},
    {"Tampilan", "Sepanjang Sumbu Y", '2', Show<TFixedView::AlongY>, nullptr},
    {"Tampilan", "Sepanjang Sumbu Z", '3', Show<TFixedView::AlongZ>, nullptr},
    {"Tampilan", "Proyeksi Jendela Utama", '0', Show<TFixedView::Oblique>, nullptr},
};

}  // namespace

std::span<const TViewCommand> ViewCommands() {
  return Commands;
}

}  // namespace Bezier
