#pragma once

#include <fontconfig/fontconfig.h>

#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The face file chosen for a family and style, and the styles the file lacks so that they
// have to be synthesised.
struct FaceChoice {
  std::string Path;
  int Index = 0;
  bool SynthesiseBold = false;
  bool SynthesiseItalic = false;

  friend auto operator<=>(const FaceChoice&, const FaceChoice&) = default;
};

// The family that serves a logical font name: the old bitmap "MS Sans Serif" has no scalable
// file, and Liberation Sans has the closest widths.
std::string ServingFamily(std::string_view name);

// Asks fontconfig for the best scalable face; nothing when the configuration knows no face.
std::optional<FaceChoice> MatchFace(FcConfig* config, const std::string& family, bool bold,
                                    bool italic);

}  // namespace platform
