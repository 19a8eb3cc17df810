#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "platform/graphics/Geometry.h"
#include "platform/window/WindowTypes.h"
#include "styled/suiThemes.h"

// What the tool remembers across runs: the skin, the table's look and where windows stood,
// kept in settings.ini under the user's configuration folder.
namespace Bezier::settings {

enum class TSkinKind { Stored, Folder, None };

// The skin the tool wears: the one stored in the main window, a skin folder, or none.
struct TSkinChoice {
  TSkinKind Kind = TSkinKind::Stored;
  std::string Folder;  // the folder holding "Options.dat", for Folder
  friend bool operator==(const TSkinChoice&, const TSkinChoice&) = default;
};

enum class TTableKind { Stored, Style, Theme };

// The control-point table's look: its stored colours, a built-in UI style, or a theme file.
struct TTableChoice {
  TTableKind Kind = TTableKind::Stored;
  suiThemes::TsuiUIStyle Style = suiThemes::DefaultUIStyle;  // for Style
  std::string ThemeFile;                                     // for Theme
  friend bool operator==(const TTableChoice&, const TTableChoice&) = default;
};

struct TWindowPlacement {
  platform::TRect Bounds;
  platform::WindowState State = platform::WindowState::Normal;
  friend bool operator==(const TWindowPlacement&, const TWindowPlacement&) = default;
};

// The key of the 3-D view's window.
inline constexpr std::string_view View3DWindow = "Tampilan3D";

struct TSettings {
  TSkinChoice Skin;
  TTableChoice Table;
  // By window key; a window never placed has none.
  std::map<std::string, TWindowPlacement, std::less<>> Placements;

  std::optional<TWindowPlacement> Placement(std::string_view window) const;
  void SetPlacement(std::string_view window, const TWindowPlacement& placement);

  friend bool operator==(const TSettings&, const TSettings&) = default;
};

// $XDG_CONFIG_HOME/bezier/settings.ini, where XDG_CONFIG_HOME is ~/.config unless set to an
// absolute folder; empty when neither it nor HOME says where.
std::string SettingsPath();

// Anything the text does not say, or says in a way we do not read, keeps its default.
TSettings ParseSettings(std::string_view text);
std::string SettingsText(const TSettings& settings);

// A missing file gives the defaults; a file that cannot be read raises its error.
TSettings ReadSettings(const std::string& path);
// Creates the folder when needed and replaces the file only once the new one is complete.
void WriteSettings(const std::string& path, const TSettings& settings);

// A window's placement in the settings file of SettingsPath(), for a window that opens where
// it was last closed (the key names the window, View3DWindow for the 3-D view). Remembering
// one keeps every other setting, and does nothing when there is no settings path; either raises
// what keeps the file from being read or written.
std::optional<TWindowPlacement> RememberedPlacement(std::string_view window);
void RememberPlacement(std::string_view window, const TWindowPlacement& placement);

}  // namespace Bezier::settings
