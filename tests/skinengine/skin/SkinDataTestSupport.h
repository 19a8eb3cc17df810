#pragma once

// The process-wide skin state set back between tests, small stored skins and skin folders,
// and components that record the kit messages they get.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "framework/classes/ClassBuilder.h"
#include "framework/classes/ClassRegistry.h"
#include "framework/controls/CustomControl.h"
#include "framework/forms/Application.h"
#include "framework/forms/FrameworkClasses.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/BmpFile.h"
#include "platform/headless/Headless.h"
#include "skinengine/controls/sControlClasses.h"
#include "skinengine/skin/sFramePainter.h"
#include "skinengine/skin/sMessages.h"
#include "skinengine/skin/sSkinManager.h"
#include "tests/app/TempFolder.h"
#include "tests/skinengine/skin/SkinClasses.h"

namespace skintests {

using Log = std::vector<std::string>;

// Every test starts and ends with empty skin lists and no registered manager.
class SkinStateReset {
 public:
  SkinStateReset() { Reset(); }
  ~SkinStateReset() { Reset(); }
  SkinStateReset(const SkinStateReset&) = delete;
  SkinStateReset& operator=(const SkinStateReset&) = delete;

 private:
  static void Reset() {
    sSkinManager::SkinSections().clear();
    sSkinManager::ClearSkinImages();
    sSkinManager::SkinPatterns().clear();
    sSkinManager::SetSkinLoaded(false);
    sSkinManager::SkinData() = {};
  }
};

// A section of the lists as a loader would leave it.
inline sSkinManager::SkinSectionData Section(std::string name, std::string parent = {}) {
  sSkinManager::SkinSectionData section;
  section.SectionName = std::move(name);
  section.ParentClassName = std::move(parent);
  return section;
}

inline platform::Bitmap Picture(int width, int height, platform::TColor color) {
  platform::Bitmap bitmap(width, height);
  bitmap.Fill(color);
  return bitmap;
}

inline std::string BmpBytes(const platform::Bitmap& bitmap) {
  const std::vector<std::uint8_t> bytes = platform::WriteBmp(bitmap);
  return {bytes.begin(), bytes.end()};
}

// A kit message as "Name:A402".
inline std::string Entry(const std::string& name, std::uint32_t msg) {
  static constexpr char Digits[] = "0123456789ABCDEF";
  std::string hex;
  for (int shift = 12; shift >= 0; shift -= 4) hex += Digits[(msg >> shift) & 0xF];
  return name + ":" + hex;
}

inline bool IsKitMessage(std::uint32_t msg) {
  return msg >= 0xA000 && msg < 0xB000;
}

// A windowed control that logs the kit messages it gets and answers the style question as a
// skinned control would.
class TKitProbe : public framework::TCustomControl {
 public:
  TKitProbe(framework::TComponent* owner, Log* log) : TCustomControl(owner), log_(log) {}
  // Created by a stored description: no log of its own.
  explicit TKitProbe(framework::TComponent* owner) : TKitProbe(owner, nullptr) {}

  static const framework::TClassInfo& StaticClassInfo();
  const framework::TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  std::vector<platform::TMessage> Received;
  bool Loading = false;  // csLoading was set when the skin-loaded notice came

 protected:
  void WndProc(platform::TMessage& message) override {
    if (IsKitMessage(message.Msg)) {
      if (log_) log_->push_back(Entry(Name(), message.Msg));
      Received.push_back(message);
      if (message.Msg == sMessages::SM_SKINLOADED)
        Loading = ComponentState().Contains(framework::csLoading);
      if (message.Msg == sMessages::SM_GETSTYLE) {
        message.WParam = 7;
        message.LParam = reinterpret_cast<platform::LPARAM>(static_cast<TPersistent*>(this));
        message.Result = 1;
        return;
      }
    }
    TCustomControl::WndProc(message);
  }

 private:
  Log* log_;
};

inline const framework::TClassInfo& TKitProbe::StaticClassInfo() {
  static const framework::TClassInfo info =
      framework::TClassBuilder<TKitProbe, framework::TCustomControl>("TKitProbe").Build();
  return info;
}

// A frame painter that logs what reaches its frame style.
class TFrameProbe : public framework::TComponent, public sSkinManager::TsFramePainter {
 public:
  TFrameProbe(framework::TComponent* owner, Log* log) : TComponent(owner), log_(log) {}
  void FrameStyleMessage(platform::TMessage& message) override {
    log_->push_back(Entry(Name(), message.Msg));
  }
  const framework::TBitmap* MenuBarStrip() const override { return nullptr; }

 private:
  Log* log_;
};

}  // namespace skintests
