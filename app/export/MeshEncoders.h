#pragma once

#include <string>

#include "app/export/Mesh.h"

// The encoders behind EncodeMesh, one per format.
namespace Bezier {

std::string EncodeObj(const TMesh& mesh);
std::string EncodeStl(const TMesh& mesh);
std::string EncodePly(const TMesh& mesh);

}  // namespace Bezier
