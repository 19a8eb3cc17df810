#pragma once

// Where the main window's commands stand in its menu bar and drop-downs, for tests that choose
// them by mouse as a user does: one place to change when a menu gains an item.

namespace Bezier::testing::menus {

struct TPlace {
  int Bar;
  int Item;
};

inline constexpr TPlace Open{0, 0};
inline constexpr TPlace Save{0, 1};
inline constexpr TPlace SavePicture{0, 2};
inline constexpr TPlace Reset{1, 0};
inline constexpr TPlace View3D{2, 0};

}  // namespace Bezier::testing::menus
