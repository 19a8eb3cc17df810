#include "skinengine/skin/sBevelTypes.h"

#include <cstddef>
#include <iterator>
#include <string_view>

namespace sBevelTypes {

namespace {
constexpr std::string_view ControlBevelNames[] = {"cbNone", "cbRaisedSoft", "cbLoweredSoft",
                                                  "cbRaisedHard", "cbLoweredHard"};
constexpr std::string_view EditorBevelNames[] = {"ebNone", "ebRaised", "ebLowered", "ebAsTopBorder",
                                                 "ebAsBottomBorder"};

constexpr bool InRange(int ordinal, std::size_t count) {
  return ordinal >= 0 && static_cast<std::size_t>(ordinal) < count;
}
}  // namespace

const framework::TEnumType ControlBevelType{"TsControlBevel", ControlBevelNames};
const framework::TEnumType EditorBevelType{"TsEditorBevel", EditorBevelNames};

sBevels::TsControlBevel ControlBevelOf(int ordinal) {
  return InRange(ordinal, std::size(ControlBevelNames))
             ? static_cast<sBevels::TsControlBevel>(ordinal)
             : sBevels::cbNone;
}

sBevels::TsEditorBevel EditorBevelOf(int ordinal) {
  return InRange(ordinal, std::size(EditorBevelNames))
             ? static_cast<sBevels::TsEditorBevel>(ordinal)
             : sBevels::ebNone;
}

}  // namespace sBevelTypes
