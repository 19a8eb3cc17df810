#pragma once

#include <functional>
#include <utility>
#include <vector>

#include "framework/classes/ChangeClients.h"
#include "framework/classes/Component.h"
#include "framework/classes/Events.h"
#include "framework/graphics/Bitmap.h"

namespace framework {

// Pictures of one size with a transparent part each, drawn by index (menu item images).
// Descriptions carry them as "Bitmap": a BMP strip of the pictures side by side, the
// transparent pixels in clFuchsia.
class TImageList : public TComponent {
 public:
  explicit TImageList(TComponent* owner) : TComponent(owner) {}

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  int Width() const { return width_; }
  int Height() const { return height_; }
  // Changing the size empties the list; sizes below 1 or above 1024 raise EInvalidOperation.
  void SetWidth(int width);
  void SetHeight(int height);
  int Count() const { return static_cast<int>(images_.size()); }

  // Cuts image into cells of Width() (at least one) and adds them, pixels of maskColor
  // transparent; answers the index of the first.
  int AddMasked(const TBitmap& image, platform::TColor maskColor);
  void Delete(int index);  // EListError outside 0..Count()-1
  void Clear();
  // A disabled picture is drawn in greys.
  void Draw(TCanvas& canvas, int x, int y, int index, bool enabled = true) const;
  // The picture with its transparent pixels in clFuchsia.
  void GetBitmap(int index, TBitmap& bitmap) const;

  TBytes Strip() const;
  void SetStrip(const TBytes& data);

  TNotifyEvent OnChange;
  // Controls that show the list's pictures hear of every change after OnChange, until they
  // leave.
  void AddClient(const TComponent* client, std::function<void()> changed) {
    clients_.Add(client, std::move(changed));
  }
  void RemoveClient(const TComponent* client) { clients_.Remove(client); }

 private:
  struct TImage {
    platform::Bitmap Picture;
    std::vector<bool> Transparent;
  };
  const TImage& Image(int index) const;
  void Changed();

  int width_ = 16;
  int height_ = 16;
  std::vector<TImage> images_;
  TChangeClients clients_;
};

}  // namespace framework
