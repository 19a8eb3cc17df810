// Wavefront OBJ text. A fine tessellation writes some million numbers, so the text goes straight
// into a buffer sized for the longest it can be, and each kind of number is written the
// cheapest way that keeps what it carries.
#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string_view>
#include <unordered_map>

#include "app/export/MeshEncoders.h"

namespace Bezier {

namespace {

// The longest texts: a double in its fewest digits ("-2.2250738585072014e-308"), an index
// of a 32-bit count, a normal's component to nine decimals ("-0.123456789").
constexpr std::size_t ExactLength = 24;
constexpr std::size_t IndexLength = 10;
constexpr std::size_t UnitLength = 12;

class TTextBuffer {
 public:
  explicit TTextBuffer(std::size_t capacity) : text_(capacity, '\0'), at_(text_.data()) {}

  void Char(char c) { *at_++ = c; }
  void Text(std::string_view text) { at_ = std::copy(text.begin(), text.end(), at_); }
  // A point's coordinate in the fewest digits that read back to the same double.
  void Exact(double value) { at_ = std::to_chars(at_, at_ + ExactLength, value).ptr; }
  void Unsigned(std::uint64_t value) { Text(Digits(value)); }
  // A normal's component, between -1 and 1, to nine decimals: readers make normals unit again.
  void Unit(double value) {
    constexpr std::uint64_t Scale = 1'000'000'000;
    const auto scaled = static_cast<std::uint64_t>(std::llround(std::abs(value) * Scale));
    if (scaled != 0 && value < 0) Char('-');
    Unsigned(scaled / Scale);
    std::uint64_t fraction = scaled % Scale;
    if (fraction == 0) return;
    int zeros = 9;  // leading zeros of the nine decimals, once the trailing ones are gone
    for (; fraction % 10 == 0; fraction /= 10) --zeros;
    const std::string_view digits = Digits(fraction);
    Char('.');
    at_ = std::fill_n(at_, zeros - static_cast<int>(digits.size()), '0');
    Text(digits);
  }
  std::string Take() {
    text_.resize(static_cast<std::size_t>(at_ - text_.data()));
    return std::move(text_);
  }

  // The decimal digits of value, valid until the next call.
  std::string_view Digits(std::uint64_t value) {
    char* start = digits_.data() + digits_.size();
    do {
      *--start = static_cast<char>('0' + value % 10);
      value /= 10;
    } while (value != 0);
    return {start, static_cast<std::size_t>(digits_.data() + digits_.size() - start)};
  }

 private:
  std::string text_;
  char* at_;
  std::array<char, 20> digits_{};
};

constexpr std::string_view Header = "# Bezier surface\n";

std::size_t LongestText(const TMesh& mesh) {
  const std::size_t point = 1 + 3 * (1 + ExactLength) + 1;
  const std::size_t vertex = (2 + 2 * (1 + ExactLength) + 1) + (2 + 3 * (1 + UnitLength) + 1);
  const std::size_t triangle = 1 + 3 * (1 + 3 * IndexLength + 2) + 1;
  return Header.size() + point * mesh.Points.size() + vertex * mesh.Vertices.size() +
         triangle * mesh.Triangles.size();
}

}  // namespace

std::string EncodeObj(const TMesh& mesh) {
  TTextBuffer out(LongestText(mesh));
  out.Text(Header);
  for (const TVec3& p : mesh.Points) {
    out.Char('v');
    for (int axis = 0; axis < 3; ++axis) {
      out.Char(' ');
      out.Exact(p[axis]);
    }
    out.Char('\n');
  }
  // u and v take the few values of the grid over and over: each is formed once.
  std::unordered_map<double, std::string> parameters;
  for (const TMeshVertex& v : mesh.Vertices) {
    out.Text("vt");
    for (const double t : v.UV) {
      auto [text, fresh] = parameters.try_emplace(t);
      if (fresh) {
        TTextBuffer once(ExactLength);
        once.Exact(t);
        text->second = once.Take();
      }
      out.Char(' ');
      out.Text(text->second);
    }
    out.Char('\n');
  }
  for (const TMeshVertex& v : mesh.Vertices) {
    out.Text("vn");
    for (int axis = 0; axis < 3; ++axis) {
      out.Char(' ');
      out.Unit(v.Normal[axis]);
    }
    out.Char('\n');
  }
  // Indices count from 1; a corner is point/texture/normal, the last two the same.
  for (const auto& triangle : mesh.Triangles) {
    out.Char('f');
    for (const int k : triangle) {
      out.Char(' ');
      out.Unsigned(static_cast<std::uint64_t>(mesh.Vertices[k].Point) + 1);
      out.Char('/');
      const std::string_view own = out.Digits(static_cast<std::uint64_t>(k) + 1);
      out.Text(own);
      out.Char('/');
      out.Text(own);
    }
    out.Char('\n');
  }
  return out.Take();
}

}  // namespace Bezier
