#include "skinengine/style/sStyleSimply.h"

namespace sStyleSimply {

namespace {
bool InRange(int kind, int low, int high) {
  return kind >= low && kind <= high;
}
}  // namespace

bool IsNoShadowKind(int kind) {
  return kind == 58 || kind == 59 || kind == 110 || kind == 141 || kind == 151;
}

bool IsTransparentShadowKind(int kind) {
  return InRange(kind, 51, 68) || InRange(kind, 91, 95) || kind == 141 || kind == 151 ||
         kind == 161 || kind == 165;
}

bool IsSoftRegionKind(int kind) {
  return InRange(kind, 1, 140) || InRange(kind, 150, 200);
}

bool IsContainerKind(int kind) {
  return InRange(kind, 51, 68) || kind == 151;
}

bool IsNeverActiveKind(int kind) {
  return InRange(kind, 51, 59) || kind == 110 || InRange(kind, 141, 161);
}

bool IsCheckKind(int kind) {
  return InRange(kind, 31, 33);
}

}  // namespace sStyleSimply
