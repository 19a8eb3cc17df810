#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "framework/classes/ClassInfo.h"
#include "framework/classes/Events.h"
#include "framework/classes/Object.h"
#include "framework/runtime/Exceptions.h"
#include "platform/graphics/Canvas.h"

namespace framework {

// Misuse of a picture (a scan line out of range, a pixel format we do not keep) and files
// that hold no picture we know.
class EInvalidGraphic : public Exception {
 public:
  using Exception::Exception;
};

// A picture of some format: its size, drawing onto a platform canvas, and its file form.
class TGraphic : public TPersistent {
 public:
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  virtual int Width() const = 0;
  virtual int Height() const = 0;
  virtual bool Empty() const = 0;
  // Draws the picture stretched into r.
  virtual void Draw(platform::Canvas& canvas, const platform::TRect& r) const = 0;

  // The file form (a BMP file, a JPEG file); bad data raises EInvalidGraphic.
  virtual void LoadFromData(std::span<const std::uint8_t> data) = 0;
  virtual TBytes SaveToData() const = 0;
  void LoadFromFile(const std::string& fileName);
  void SaveToFile(const std::string& fileName) const;

  bool Transparent() const { return transparent_; }
  void SetTransparent(bool transparent);

  TNotifyEvent OnChange;

 protected:
  void Changed() {
    if (OnChange) OnChange(this);
  }

 private:
  bool transparent_ = false;
};

}  // namespace framework
