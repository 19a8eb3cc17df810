#include "app/settings/Settings.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <utility>

#include "framework/runtime/IniFiles.h"
#include "platform/kernel/Files.h"

namespace Bezier::settings {

namespace {

// Nobody's settings are this large; a larger file is not ours to read.
constexpr std::uint64_t MaxSettingsBytes = std::uint64_t{1} << 20;

constexpr std::string_view WindowPrefix = "Window ";

template <class E>
using TNames = std::pair<E, std::string_view>;

constexpr TNames<TSkinKind> SkinKinds[] = {
    {TSkinKind::Stored, "stored"}, {TSkinKind::Folder, "folder"}, {TSkinKind::None, "none"}};
constexpr TNames<TTableKind> TableKinds[] = {
    {TTableKind::Stored, "stored"}, {TTableKind::Style, "style"}, {TTableKind::Theme, "theme"}};
constexpr TNames<platform::WindowState> WindowStates[] = {
    {platform::WindowState::Normal, "normal"},
    {platform::WindowState::Minimized, "minimized"},
    {platform::WindowState::Maximized, "maximized"}};

template <class E, std::size_t N>
std::string_view NameOf(const TNames<E> (&names)[N], E value) {
  for (const auto& [v, name] : names)
    if (v == value) return name;
  return names[0].second;
}

template <class E, std::size_t N>
E ValueOf(const TNames<E> (&names)[N], std::string_view name) {
  for (const auto& [v, n] : names)
    if (n == name) return v;
  return names[0].first;
}

// Values are quoted, so that names beginning or ending in blanks keep them. A value with a
// line break in it cannot be written back, so it is not taken either.
std::string Unquoted(const framework::TMemIniFile& ini, std::string_view section,
                     std::string_view key) {
  std::string value = ini.ReadString(section, key, "");
  if (value.find_first_of("\r\n") != std::string::npos) return {};
  if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
    return value.substr(1, value.size() - 2);
  return value;
}

// Lines are appended piece by piece: g++ 12 at -O3 sees an overlap in "[" + name that is not
// there.
class TWriter {
 public:
  void Section(std::string_view name) { text_.append("[").append(name).append("]\n"); }
  void Plain(std::string_view key, std::string_view value) {
    text_.append(key).append("=").append(value).append("\n");
  }
  // A line break cannot stand in a line; such a value is not kept.
  void Quoted(std::string_view key, std::string_view value) {
    if (value.find_first_of("\r\n") == std::string_view::npos)
      text_.append(key).append("=\"").append(value).append("\"\n");
  }
  std::string Text() && { return std::move(text_); }

 private:
  std::string text_;
};

std::optional<suiThemes::TsuiUIStyle> BuiltInStyle(std::string_view name) {
  const int index = suiThemes::UIStyleType.IndexOf(name);
  if (index < 0) return std::nullopt;
  const auto style = static_cast<suiThemes::TsuiUIStyle>(index);
  if (suiThemes::BuiltInStyleIndex(style) < 0) return std::nullopt;
  return style;
}

// A section name is one line without brackets; a window key that cannot stand in one is
// neither written nor taken.
bool FitsSectionName(std::string_view window) {
  return window.find_first_of("[]\r\n") == std::string_view::npos;
}

std::optional<TWindowPlacement> ReadPlacement(const framework::TMemIniFile& ini,
                                              const std::string& section) {
  const int left = ini.ReadInteger(section, "Left", 0);
  const int top = ini.ReadInteger(section, "Top", 0);
  const int width = ini.ReadInteger(section, "Width", 0);
  const int height = ini.ReadInteger(section, "Height", 0);
  // Far enough from the limits of int that right and bottom can be formed.
  constexpr int Far = 1 << 24;
  if (width <= 0 || height <= 0 || width > Far || height > Far || left < -Far || left > Far ||
      top < -Far || top > Far)
    return std::nullopt;
  return TWindowPlacement{{left, top, left + width, top + height},
                          ValueOf(WindowStates, ini.ReadString(section, "State", ""))};
}

}  // namespace

std::optional<TWindowPlacement> TSettings::Placement(std::string_view window) const {
  const auto found = Placements.find(window);
  if (found == Placements.end()) return std::nullopt;
  return found->second;
}

void TSettings::SetPlacement(std::string_view window, const TWindowPlacement& placement) {
  Placements.insert_or_assign(std::string(window), placement);
}

std::string SettingsPath() {
  const char* config = std::getenv("XDG_CONFIG_HOME");
  std::filesystem::path folder;
  if (config && std::filesystem::path(config).is_absolute()) {
    folder = config;
  } else if (const char* home = std::getenv("HOME"); home && *home) {
    folder = std::filesystem::path(home) / ".config";
  } else {
    return {};
  }
  return (folder / "bezier" / "settings.ini").string();
}

TSettings ParseSettings(std::string_view text) {
  framework::TMemIniFile ini;
  ini.SetText(text);
  TSettings settings;
  settings.Skin.Kind = ValueOf(SkinKinds, ini.ReadString("Skin", "Kind", ""));
  settings.Skin.Folder = Unquoted(ini, "Skin", "Folder");
  if (settings.Skin.Kind == TSkinKind::Folder && settings.Skin.Folder.empty())
    settings.Skin.Kind = TSkinKind::Stored;
  if (settings.Skin.Kind != TSkinKind::Folder) settings.Skin.Folder.clear();

  TTableChoice& table = settings.Table;
  table.Kind = ValueOf(TableKinds, ini.ReadString("Table", "Kind", ""));
  const std::optional<suiThemes::TsuiUIStyle> style =
      BuiltInStyle(ini.ReadString("Table", "Style", ""));
  table.ThemeFile = Unquoted(ini, "Table", "Theme");
  if ((table.Kind == TTableKind::Style && !style) ||
      (table.Kind == TTableKind::Theme && table.ThemeFile.empty()))
    table.Kind = TTableKind::Stored;
  if (table.Kind == TTableKind::Style) table.Style = *style;
  if (table.Kind != TTableKind::Theme) table.ThemeFile.clear();

  for (const std::string& section : ini.ReadSections()) {
    if (!section.starts_with(WindowPrefix) || section.size() == WindowPrefix.size() ||
        !FitsSectionName(section))
      continue;
    if (const auto placement = ReadPlacement(ini, section))
      settings.Placements.try_emplace(section.substr(WindowPrefix.size()), *placement);
  }
  return settings;
}

std::string SettingsText(const TSettings& settings) {
  TWriter w;
  w.Section("Skin");
  w.Plain("Kind", NameOf(SkinKinds, settings.Skin.Kind));
  if (settings.Skin.Kind == TSkinKind::Folder) w.Quoted("Folder", settings.Skin.Folder);
  w.Section("Table");
  w.Plain("Kind", NameOf(TableKinds, settings.Table.Kind));
  if (settings.Table.Kind == TTableKind::Style)
    w.Plain("Style", suiThemes::UIStyleType.Names[static_cast<std::size_t>(settings.Table.Style)]);
  if (settings.Table.Kind == TTableKind::Theme) w.Quoted("Theme", settings.Table.ThemeFile);
  for (const auto& [window, placement] : settings.Placements) {
    if (!FitsSectionName(window)) continue;
    w.Section(std::string(WindowPrefix) + window);
    w.Plain("Left", std::to_string(placement.Bounds.Left));
    w.Plain("Top", std::to_string(placement.Bounds.Top));
    w.Plain("Width", std::to_string(placement.Bounds.Width()));
    w.Plain("Height", std::to_string(placement.Bounds.Height()));
    w.Plain("State", NameOf(WindowStates, placement.State));
  }
  return std::move(w).Text();
}

TSettings ReadSettings(const std::string& path) {
  if (!platform::FileExists(path)) return {};
  return ParseSettings(platform::ReadTextFile(path, MaxSettingsBytes));
}

void WriteSettings(const std::string& path, const TSettings& settings) {
  const std::filesystem::path folder = std::filesystem::path(path).parent_path();
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (error) throw platform::FileError("Cannot create folder", folder.string(), error.value());
  platform::WriteTextFile(path, SettingsText(settings));
}

std::optional<TWindowPlacement> RememberedPlacement(std::string_view window) {
  return ReadSettings(SettingsPath()).Placement(window);
}

void RememberPlacement(std::string_view window, const TWindowPlacement& placement) {
  const std::string path = SettingsPath();
  if (path.empty()) return;  // nowhere to keep it
  TSettings settings = ReadSettings(path);
  settings.SetPlacement(window, placement);
  WriteSettings(path, settings);
}

}  // namespace Bezier::settings
