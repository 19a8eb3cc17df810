#pragma once

#include "platform/graphics/Color.h"

// The colours of the stored skin's artwork, taken from its sections: light grey faces, the
// grey-blue editor border 12098687 and the blues of the title bar's gradients.
namespace skinart {

using platform::TColor;

inline constexpr TColor GreyFace = 15263976;   // speed button face
inline constexpr TColor PanelFace = 15461355;  // panels and the gauge
inline constexpr TColor FormFace = 14998481;   // window background
inline constexpr TColor GreyBlue = 12098687;   // editor borders
inline constexpr TColor TitleBlue = 12550976;  // title bar
inline constexpr TColor DeepBlue = 10969900;   // title bar, lower half
inline constexpr TColor MidBlue = 13864756;    // hot title bar
inline constexpr TColor PaleBlue = 15190957;   // hot title bar, top
inline constexpr TColor HotFace = 16247773;    // faces under the mouse
inline constexpr TColor ShadeBlue = 8140820;   // text shade of the title

// By state: normal, hot, pressed.
inline constexpr TColor BorderByState[3] = {GreyBlue, TitleBlue, DeepBlue};
inline constexpr TColor FaceTop[3] = {0xFFFFFF, 0xFFFFFF, PaleBlue};
inline constexpr TColor FaceBottom[3] = {GreyFace, HotFace, HotFace};
inline constexpr TColor GlyphByState[3] = {0x505050, TitleBlue, DeepBlue};
inline constexpr TColor MarkColor = ShadeBlue;

// Title-bar buttons lie on the blue title: a faint glass at rest, clearer under the mouse.
inline constexpr TColor TitleFaceTop[3] = {0xFFFFFF, PaleBlue, DeepBlue};
inline constexpr TColor TitleFaceBottom[3] = {TitleBlue, MidBlue, TitleBlue};
inline constexpr int TitleFaceOpacity[3] = {50, 220, 235};
inline constexpr int TitleEdgeOpacity[3] = {90, 200, 120};
inline constexpr TColor CloseTop = 0x7C7CF0;     // pale red
inline constexpr TColor CloseBottom = 0x2A2AC0;  // deep red

}  // namespace skinart
