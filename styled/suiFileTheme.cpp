#include "styled/suiFileTheme.h"

#include <optional>
#include <string_view>
#include <variant>

#include "framework/classes/ClassBuilder.h"
#include "framework/forms/Form.h"
#include "framework/runtime/Files.h"
#include "platform/kernel/Files.h"
#include "styled/suiThemeBitmaps.h"
#include "styled/suiThemes.h"

namespace suiFileTheme {

namespace {

constexpr std::string_view StyledClassPrefix = "Tsui";

// The part after the last folder separator; stored names may come from either desktop.
std::string FileNamePart(const std::string& path) {
  const auto slash = path.find_last_of("/\\");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::optional<std::string_view> ThemeKey(int index) {
  const suiThemes::TThemeEntry* entry = suiThemes::FindThemeEntry(index);
  if (!entry) return std::nullopt;
  return entry->Key;
}

}  // namespace

bool TsuiFileThemeMgr::LoadFromFile(const std::string& path) {
  if (!framework::FileExists(path)) return false;
  reader_ = std::make_unique<suiThemeFile::TsuiThemeFileReader>(path);
  return true;
}

TsuiFileTheme::TsuiFileTheme(framework::TComponent* owner)
    : TComponent(owner), manager_(std::make_unique<TsuiFileThemeMgr>()) {}

TsuiFileTheme::~TsuiFileTheme() = default;

const framework::TClassInfo& TsuiFileTheme::StaticClassInfo() {
  using T = TsuiFileTheme;
  static const framework::TClassInfo info =
      framework::TClassBuilder<T, framework::TComponent>("TsuiFileTheme")
          .String("ThemeFile", &T::ThemeFile, &T::SetThemeFile)
          .Build();
  return info;
}

void TsuiFileTheme::SetThemeFile(const std::string& value) {
  if (value == themeFile_) return;
  std::string path = value;
  if (!framework::FileExists(path)) {
    path = platform::ProgramFolder() + FileNamePart(value);
    if (!framework::FileExists(path)) return;
  }
  // Parsed before anything changes, so that a damaged file leaves the theme in force.
  const bool loaded = manager_->LoadFromFile(path);
  themeFile_ = path;
  loaded_ = loaded;
  if (loaded_) RestyleControls();
}

// Assigning FileTheme again makes each control apply its UIStyle anew.
void TsuiFileTheme::RestyleControls() {
  auto* form = dynamic_cast<framework::TCustomForm*>(Owner());
  if (!form) return;
  for (int i = 0; i < form->ComponentCount(); ++i) {
    framework::TComponent* component = form->Components(i);
    if (!component->ClassName().starts_with(StyledClassPrefix)) continue;
    const framework::TPropInfo* p = component->ClassInfo().FindProperty("FileTheme");
    if (!p || p->Kind != framework::TPropKind::Component) continue;
    if (std::get<framework::TComponent*>(p->Get(*component)) == this) p->Set(*component, this);
  }
}

std::int32_t TsuiFileTheme::Integer(int index, std::int32_t fallback) const {
  const suiThemeFile::TsuiThemeFileReader* reader = manager_->Reader();
  if (!reader) return 0;
  const auto key = ThemeKey(index);
  return key ? reader->Integer(*key).value_or(fallback) : fallback;
}

platform::TColor TsuiFileTheme::GetColor(int index) const {
  return static_cast<platform::TColor>(Integer(index, -1));
}

int TsuiFileTheme::GetInt(int index) const {
  return Integer(index, -1);
}

bool TsuiFileTheme::GetBool(int index) const {
  const suiThemeFile::TsuiThemeFileReader* reader = manager_->Reader();
  const auto key = ThemeKey(index);
  return reader && key && reader->Boolean(*key).value_or(0) != 0;
}

void TsuiFileTheme::GetBitmap(int index, framework::TBitmap& target) const {
  const suiThemeFile::TsuiThemeFileReader* reader = manager_->Reader();
  const auto key = ThemeKey(index);
  if (!reader || !key) return;
  if (const auto bytes = reader->Image(*key)) target.LoadFromData(*bytes);
}

void TsuiFileTheme::GetBitmapPiece(int index, framework::TBitmap& target, int piece,
                                   int count) const {
  if (count == 0) {
    GetBitmap(index, target);
    return;
  }
  framework::TBitmap strip;
  GetBitmap(index, strip);
  if (!strip.Empty()) suiThemeBitmaps::CutBitmapPiece(strip, target, count, piece);
}

}  // namespace suiFileTheme
