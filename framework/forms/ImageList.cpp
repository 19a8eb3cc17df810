#include "framework/forms/ImageList.h"

#include <algorithm>

#include "framework/classes/ClassBuilder.h"
#include "framework/controls/Control.h"

namespace framework {

using namespace platform;

namespace {
constexpr int MaxImageSize = 1024;

int CheckedSize(int size) {
  if (size < 1 || size > MaxImageSize)
    throw EInvalidOperation(Format("Invalid image size %d", {size}));
  return size;
}

TColor Grey(TColor rgb) {
  const unsigned r = rgb & 0xFF;
  const unsigned g = (rgb >> 8) & 0xFF;
  const unsigned b = (rgb >> 16) & 0xFF;
  // Lightened, so a disabled picture reads as faded rather than dark.
  const unsigned y = (r * 77 + g * 150 + b * 29) / 256;
  const unsigned light = (y + 255) / 2;
  return light | (light << 8) | (light << 16);
}
}  // namespace

const TClassInfo& TImageList::StaticClassInfo() {
  using L = TImageList;
  static const TClassInfo info = TClassBuilder<L, TComponent>("TImageList")
                                     .Int("Height", &L::Height, &L::SetHeight, 16)
                                     .Int("Width", &L::Width, &L::SetWidth, 16)
                                     .Binary("Bitmap", &L::Strip, &L::SetStrip)
                                     .Build();
  return info;
}

void TImageList::SetWidth(int width) {
  if (CheckedSize(width) == width_) return;
  width_ = width;
  Clear();
}

void TImageList::SetHeight(int height) {
  if (CheckedSize(height) == height_) return;
  height_ = height;
  Clear();
}

int TImageList::AddMasked(const TBitmap& image, TColor maskColor) {
  const int first = Count();
  const TColor key = ColorToRGB(maskColor);
  const int cells = std::max(1, image.Width() / width_);
  for (int cell = 0; cell < cells; ++cell) {
    TImage entry{Bitmap(width_, height_),
                 std::vector<bool>(static_cast<std::size_t>(width_ * height_), true)};
    for (int y = 0; y < std::min(height_, image.Height()); ++y)
      for (int x = 0; x < width_; ++x) {
        const int sx = cell * width_ + x;
        if (sx >= image.Width()) continue;
        const TColor pixel = image.Data().Pixel(sx, y);
        entry.Picture.SetPixel(x, y, pixel);
        entry.Transparent[static_cast<std::size_t>(y * width_ + x)] = pixel == key;
      }
    images_.push_back(std::move(entry));
  }
  Changed();
  return first;
}

const TImageList::TImage& TImageList::Image(int index) const {
  if (index < 0 || index >= Count()) throw EListError(index);
  return images_[static_cast<std::size_t>(index)];
}

void TImageList::Delete(int index) {
  Image(index);
  images_.erase(images_.begin() + index);
  Changed();
}

void TImageList::Clear() {
  if (images_.empty()) return;
  images_.clear();
  Changed();
}

void TImageList::Draw(TCanvas& canvas, int x, int y, int index, bool enabled) const {
  const TImage& image = Image(index);
  platform::Canvas* target = canvas.Handle();
  if (!target) return;
  for (int py = 0; py < height_; ++py)
    for (int px = 0; px < width_; ++px) {
      if (image.Transparent[static_cast<std::size_t>(py * width_ + px)]) continue;
      const TColor pixel = image.Picture.Pixel(px, py);
      target->SetPixel(x + px, y + py, enabled ? pixel : Grey(pixel));
    }
}

void TImageList::GetBitmap(int index, TBitmap& bitmap) const {
  const TImage& image = Image(index);
  bitmap.SetSize(width_, height_);
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x)
      bitmap.Data().SetPixel(x, y,
                             image.Transparent[static_cast<std::size_t>(y * width_ + x)]
                                 ? clFuchsia
                                 : image.Picture.Pixel(x, y));
}

TBytes TImageList::Strip() const {
  if (images_.empty()) return {};
  TBitmap strip;
  strip.SetSize(width_ * Count(), height_);
  TBitmap cell;
  for (int i = 0; i < Count(); ++i) {
    GetBitmap(i, cell);
    strip.Canvas()->Draw(i * width_, 0, &cell);
  }
  return strip.SaveToData();
}

void TImageList::SetStrip(const TBytes& data) {
  images_.clear();
  if (!data.empty()) {
    TBitmap strip;
    strip.LoadFromData(data);
    AddMasked(strip, clFuchsia);
  }
  Changed();
}

void TImageList::Changed() {
  if (OnChange) OnChange(this);
  clients_.Notify();
}

}  // namespace framework
