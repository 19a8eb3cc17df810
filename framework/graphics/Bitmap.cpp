#include "framework/graphics/Bitmap.h"

#include "framework/classes/ClassBuilder.h"
#include "platform/Error.h"
#include "platform/graphics/BmpFile.h"

namespace framework {

namespace {
constexpr std::string_view PixelFormatNames[] = {"pfDevice", "pf1bit",  "pf4bit",  "pf8bit",
                                                 "pf15bit",  "pf16bit", "pf24bit", "pf32bit"};

template <class F>
auto Decoding(F decode) {
  try {
    return decode();
  } catch (const platform::Error& e) {
    throw EInvalidGraphic(e.what());
  }
}
}  // namespace

const TEnumType PixelFormatType{"TPixelFormat", PixelFormatNames};

// Draws on the bitmap itself; the platform canvas is made again when the size changes, so
// its clip always covers the whole picture.
class TBitmap::TBitmapCanvas : public TCanvas {
 public:
  explicit TBitmapCanvas(TBitmap& owner) : owner_(owner) {}
  void Reset() {
    SetHandle(nullptr);
    canvas_.reset();
  }

 protected:
  void CreateHandle() override {
    canvas_ = std::make_unique<platform::Canvas>(owner_.bitmap_);
    SetHandle(canvas_.get());
  }

 private:
  TBitmap& owner_;
  std::unique_ptr<platform::Canvas> canvas_;
};

TBitmap::TBitmap() = default;
TBitmap::~TBitmap() = default;

const TClassInfo& TBitmap::StaticClassInfo() {
  static const TClassInfo info = TClassBuilder<TBitmap, TGraphic>("TBitmap")
                                     .Binary("Data", &TBitmap::SaveToData, &TBitmap::SetData)
                                     .Build();
  return info;
}

void TBitmap::Assign(const TPersistent* source) {
  if (!source) {
    Replace({});
    return;
  }
  if (const auto* bitmap = dynamic_cast<const TBitmap*>(source)) {
    if (bitmap == this) return;
    transparentColor_ = bitmap->transparentColor_;
    SetTransparent(bitmap->Transparent());
    Replace(bitmap->bitmap_);
    return;
  }
  if (const auto* graphic = dynamic_cast<const TGraphic*>(source)) {
    platform::Bitmap copy =
        Decoding([&] { return platform::Bitmap(graphic->Width(), graphic->Height()); });
    platform::Canvas canvas(copy);
    graphic->Draw(canvas, copy.BoundsRect());
    Replace(std::move(copy));
    return;
  }
  TGraphic::Assign(source);
}

void TBitmap::SetSize(int width, int height) {
  if (width == Width() && height == Height()) return;
  Decoding([&] {
    bitmap_.SetSize(width, height);
    return 0;
  });
  if (canvas_) canvas_->Reset();
  Changed();
}

void TBitmap::SetPixelFormat(TPixelFormat format) {
  if (format != pf24bit && format != pfDevice)
    throw EInvalidGraphic("Only 24-bit bitmaps are supported");
}

void TBitmap::CheckRow(int y) const {
  if (y < 0 || y >= Height()) throw EInvalidGraphic("Scan line index out of range");
}

std::uint8_t* TBitmap::ScanLine(int y) {
  CheckRow(y);
  return bitmap_.ScanLine(y);
}

const std::uint8_t* TBitmap::ScanLine(int y) const {
  CheckRow(y);
  return bitmap_.ScanLine(y);
}

TCanvas* TBitmap::Canvas() {
  if (!canvas_) {
    canvas_ = std::make_unique<TBitmapCanvas>(*this);
    canvas_->OnChange = [this](TObject*) { Changed(); };
  }
  return canvas_.get();
}

platform::TColor TBitmap::TransparentColor() const {
  if (transparentColor_) return *transparentColor_;
  return Empty() ? platform::clNone : bitmap_.Pixel(0, Height() - 1);
}

void TBitmap::SetTransparentColor(platform::TColor color) {
  transparentColor_ = color;
  Changed();
}

void TBitmap::Draw(platform::Canvas& canvas, const platform::TRect& r) const {
  if (Empty()) return;
  if (Transparent()) {
    DrawTransparent(canvas, r);
  } else {
    canvas.StretchDraw(r, bitmap_);
  }
}

// Nearest-pixel stretching like the opaque path, leaving the transparent colour out.
void TBitmap::DrawTransparent(platform::Canvas& canvas, const platform::TRect& r) const {
  const platform::TColor key = platform::ColorToRGB(TransparentColor());
  const platform::TRect visible = r.Intersect(canvas.ClipRect());
  for (int y = visible.Top; y < visible.Bottom; ++y) {
    const int sy = static_cast<int>(static_cast<long long>(y - r.Top) * Height() / r.Height());
    for (int x = visible.Left; x < visible.Right; ++x) {
      const int sx = static_cast<int>(static_cast<long long>(x - r.Left) * Width() / r.Width());
      const platform::TColor pixel = bitmap_.Pixel(sx, sy);
      if (pixel != key) canvas.SetPixel(x, y, pixel);
    }
  }
}

void TBitmap::LoadFromData(std::span<const std::uint8_t> data) {
  Replace(Decoding([&] { return platform::ReadBmp(data); }));
}

TBytes TBitmap::SaveToData() const {
  return Empty() ? TBytes{} : platform::WriteBmp(bitmap_);
}

void TBitmap::SetData(const TBytes& data) {
  if (data.empty()) {
    Replace({});
  } else {
    LoadFromData(data);
  }
}

void TBitmap::LoadFromStream(std::span<const std::uint8_t> data, std::size_t& consumed) {
  Replace(Decoding([&] { return platform::ReadBmpStream(data, consumed); }));
}

TBytes TBitmap::SaveToStream() const {
  return platform::WriteBmpStream(bitmap_);
}

void TBitmap::Replace(platform::Bitmap bitmap) {
  bitmap_ = std::move(bitmap);
  if (canvas_) canvas_->Reset();
  Changed();
}

}  // namespace framework
