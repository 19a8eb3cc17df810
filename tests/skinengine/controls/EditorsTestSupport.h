#pragma once

// A shown form for the edits, check boxes and labels, with skin sections and glyph strips of
// known pixels, and the form as the screen shows it.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>

#include "framework/controls/ControlCanvas.h"
#include "framework/graphics/Bitmap.h"
#include "platform/graphics/Bitmap.h"
#include "platform/headless/Headless.h"
#include "platform/window/Paint.h"
#include "platform/window/Windows.h"
#include "resources/Embedded.h"
#include "skinengine/pixels/sGraphUtils.h"
#include "skinengine/skin/sSkinLists.h"
#include "tests/skinengine/controls/ControlsTestSupport.h"
#include "tests/skinengine/skin/SkinDataTestSupport.h"

namespace editortests {

constexpr platform::TColor Grey(int v) {
  return sGraphUtils::GreyWeight(v);
}

// A glyph strip of three w x h cells whose pictures are the greys of cells, all over one mask
// value.
inline std::unique_ptr<framework::TBitmap> Strip(int w, int h, const int (&cells)[3], int mask) {
  auto strip = std::make_unique<framework::TBitmap>();
  strip->SetSize(3 * w, 2 * h);
  for (int k = 0; k < 3; ++k) strip->Data().FillRect({k * w, 0, (k + 1) * w, h}, Grey(cells[k]));
  strip->Data().FillRect({0, h, 3 * w, 2 * h}, Grey(mask));
  return strip;
}

class EditorsFixture : public ::testing::Test, public skintests::FormFixture {
 protected:
  EditorsFixture() {
    resources::RegisterEmbeddedResources();
    skintests::SkinClasses();  // registers the caption label among the skin classes
  }

  // A section of the active skin, set up by fill.
  template <class F>
  static sSkinManager::SkinSectionData& AddSection(const std::string& name, F fill) {
    sSkinManager::SkinSectionData section = skintests::Section(name);
    fill(section);
    sSkinManager::SkinSections().push_back(std::move(section));
    sSkinManager::SetSkinLoaded(true);
    return sSkinManager::SkinSections().back();
  }
  static void AddImage(const std::string& section, const std::string& property,
                       std::unique_ptr<framework::TBitmap> bitmap) {
    sSkinManager::SkinImages().push_back({std::move(bitmap), section, property});
  }

  // The form's window as the screen shows it.
  platform::Bitmap FormShot() {
    platform::UpdateWindow(form->Handle());
    framework::FreeDeviceContexts();
    return platform::WindowSnapshot(form->Handle());
  }

  skintests::SkinStateReset reset;
};

}  // namespace editortests
