// Until the tool's window exists, the program draws a demonstration picture with the platform's
// canvas and saves it as a PNG beside the executable (or where the first argument says).
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>

#include "platform/graphics/Canvas.h"
#include "platform/graphics/Png.h"

namespace {

using namespace platform;

void DrawDemo(Canvas& c) {
  c.GetBrush().Color = clBtnFace;
  c.FillRect({0, 0, 640, 400});

  c.GetFont() = Font{};
  c.GetBrush().Style = BrushStyle::Clear;
  c.TextOut(16, 12, "Bezier: the platform canvas at work");

  Font title;
  title.Height = -20;
  title.Bold = true;
  title.Color = clNavy;
  c.SetFont(title);
  c.TextOut(16, 32, "Shapes, text and clipping");

  c.SetPen({clBlack, 1, PenStyle::Solid});
  c.SetBrush({clSkyBlue, BrushStyle::Solid});
  c.Rectangle({16, 70, 136, 150});
  c.SetBrush({clYellow, BrushStyle::Solid});
  c.Ellipse({156, 70, 276, 150});
  c.SetBrush({clLime, BrushStyle::Solid});
  c.RoundRect({296, 70, 416, 150}, 24, 24);
  c.SetBrush({clAqua, BrushStyle::Solid});
  c.Pie({436, 70, 556, 150}, {556, 110}, {496, 70});

  const TPoint star[] = {{76, 170}, {96, 230}, {36, 192}, {116, 192}, {56, 230}};
  c.SetBrush({clRed, BrushStyle::Solid});
  c.Polygon(star);

  // A wireframe fan, drawn pixel-exact with the pen.
  c.SetPen({clBlue, 1, PenStyle::Solid});
  for (int i = 0; i <= 10; ++i) {
    c.MoveTo(156, 230);
    c.LineTo(156 + i * 12, 170);
  }

  Font body;
  body.Color = clWindowText;
  c.SetFont(body);
  TRect box{300, 170, 620, 260};
  c.SetBrush({clWindow, BrushStyle::Solid});
  c.FillRect(box);
  c.DrawText("Formatted text wraps at word boundaries inside its rectangle, centres lines, and "
             "clips at the edges: &File shows an underlined F.",
             box, DT_CENTER | DT_WORDBREAK);

  c.IntersectClipRect({16, 260, 320, 380});
  c.SetBrush({clMenuHighlight, BrushStyle::Solid});
  c.Ellipse({-40, 250, 360, 460});
}

}  // namespace

int main(int argc, char** argv) {
  try {
    const std::filesystem::path out =
        argc > 1 ? std::filesystem::path(argv[1])
                 : std::filesystem::canonical("/proc/self/exe").parent_path() / "demo.png";
    Bitmap picture(640, 400);
    Canvas canvas(picture);
    DrawDemo(canvas);
    SavePngFile(picture, out.string());
    std::printf("Saved %s\n", out.string().c_str());
    return 0;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "bezier: %s\n", e.what());
    return 1;
  }
}
