#include "app/export/MeshExport.h"

namespace Bezier {

std::string SurfaceMesh(const TPatch& patch, int steps, TMeshFormat format) {
  return EncodeMesh(MeshOf(Tessellate(patch, steps, steps)), format);
}

}  // namespace Bezier
