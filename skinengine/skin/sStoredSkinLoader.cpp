#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "framework/runtime/Conversions.h"
#include "framework/runtime/Exceptions.h"
#include "framework/runtime/Text.h"
#include "skinengine/skin/sSkinLists.h"
#include "skinengine/skin/sSkinLoaders.h"

namespace sSkinManager {

namespace {

// Words 1 to 5 of a blank-separated list; a missing or non-numeric word raises EConvertError.
TsFontColor ParseFontColor(std::string_view text) {
  if (text.empty()) return PlainFontColor;
  std::int32_t words[5];
  for (std::int32_t& word : words) {
    const std::size_t start = std::min(text.find_first_not_of(' '), text.size());
    text.remove_prefix(start);
    const std::size_t end = std::min(text.find(' '), text.size());
    word = framework::StrToInt(text.substr(0, end));
    text.remove_prefix(end);
  }
  return {words[0], words[1], words[2], words[3], words[4]};
}

template <class T>
void Load(const T& stored, T& loaded) {
  loaded = stored;
}
void Load(const std::string& stored, TsFontColor& loaded) {
  loaded = ParseFontColor(stored);
}

// One place of the loaded record, filled from the stored values.
using TCopy = void(const TsGeneralValues& stored, SkinSectionData& loaded);
struct TCopyStep {
  int Place;
  TCopy* Copy;
};

#define BEZIER_COPY_KEY(name, kind, fallback, place) \
  {place, [](const TsGeneralValues& v, SkinSectionData& s) { Load(v.name, s.name); }},
#define BEZIER_COPY_GRADIENT(name, parsed, fallback, place)  \
  {place, [](const TsGeneralValues& v, SkinSectionData& s) { \
     s.name = v.name.Text();                                 \
     sGradient::ParseGradientData(v.name, s.parsed);         \
   }},
#define BEZIER_NOT_COPIED(...)
constexpr TCopyStep CopySteps[] = {
    BEZIER_SKIN_SECTION_KEYS(BEZIER_COPY_KEY, BEZIER_COPY_GRADIENT, BEZIER_NOT_COPIED)};
#undef BEZIER_COPY_KEY
#undef BEZIER_COPY_GRADIENT
#undef BEZIER_NOT_COPIED

// The steps in the record's order; a place out of range does not compile.
constexpr auto InRecordOrder() {
  std::array<TCopy*, std::size(CopySteps)> ordered{};
  for (const TCopyStep& step : CopySteps)
    ordered.at(static_cast<std::size_t>(step.Place - 1)) = step.Copy;
  return ordered;
}
constexpr auto RecordOrder = InRecordOrder();
static_assert(std::ranges::none_of(RecordOrder, [](TCopy* copy) { return copy == nullptr; }),
              "every place of the loaded record is filled once");

// Copies the stored values in the record's order, so that a failure leaves the rest zero.
void CopySection(const TsGeneralValues& v, SkinSectionData& s) {
  for (TCopy* copy : RecordOrder) copy(v, s);
}

// A copy of every picture of the stored list, named in upper case. Painters cut images into
// cells, so a picture without pixels is left out.
template <class Entry, class Items, class Picture>
void AppendCopies(std::vector<Entry>& list, const Items& items,
                  std::unique_ptr<Picture> Entry::*picture) {
  for (int i = 0; i < items.Count(); ++i) {
    const auto& item = *items.Items(i);
    if (item.Image()->Empty()) continue;
    Entry entry;
    entry.*picture = std::make_unique<Picture>();
    (entry.*picture)->Assign(item.Image());
    entry.SectionName = framework::UpperCase(item.SectionName());
    entry.PropertyName = framework::UpperCase(item.PropertyName());
    list.push_back(std::move(entry));
  }
}

}  // namespace

void LoadStoredImages(const TsStoredSkin* skin) {
  ClearSkinImages();
  if (skin) AppendCopies(SkinImages(), *skin->Images(), &SkinImageEntry::Bitmap);
}

void LoadStoredPatterns(const TsStoredSkin* skin) {
  SkinPatterns().clear();
  if (skin) AppendCopies(SkinPatterns(), *skin->Patterns(), &SkinPatternEntry::Image);
}

void LoadStoredSections(const TsStoredSkin* skin) {
  if (!skin) return;
  std::vector<SkinSectionData>& sections = SkinSections();
  sections.clear();
  for (int i = 0; i < skin->GeneralData()->Count(); ++i) {
    SkinSectionData& section = sections.emplace_back();
    // A bad item is left half-filled and the rest of the skin still loads.
    try {
      CopySection(skin->GeneralData()->Items(i)->Values(), section);
    } catch (const framework::EConvertError&) {
    }
  }
}

}  // namespace sSkinManager
