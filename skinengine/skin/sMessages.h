#pragma once

#include <cstdint>

#include "platform/window/MessageParams.h"

namespace framework {
class TPersistent;
}
namespace sSkinManager {
class TsSkinManager;
}

// The skin engine's own window messages. They are sent synchronously with the standard
// message record and stay clear of the framework's notices, which start at 0xB000.
namespace sMessages {

// Asks a control for its style object. Reply: WParam a positive style type code, LParam the
// style object (a framework::TPersistent*), Result 1.
inline constexpr std::uint32_t SM_GETSTYLE = 0xA000;
// Tells a control to rebuild its cached background: LParam -1 to rebuild, 0 not to.
inline constexpr std::uint32_t SM_REBUILDCACHE = 0xA401;
// The skin was loaded or changed: WParam the group index, LParam the skin manager.
inline constexpr std::uint32_t SM_SKINLOADED = 0xA402;
// The skin was removed: WParam the group index, LParam the skin manager.
inline constexpr std::uint32_t SM_SKINREMOVED = 0xA403;
// Asks a skinned form whether it has a frame picture: Result 1 when it has.
inline constexpr std::uint32_t SM_GETFRAMEPICTURE = 0xA405;
// Asks a skinned form for its frame painter: Result the painter.
inline constexpr std::uint32_t SM_GETFRAMEPAINTER = 0xA406;
// Switches the soft (rounded) corners of a control.
inline constexpr std::uint32_t SM_SOFTCORNERS = 0xA40B;

// A form frame's style also accepts skin notices sent with this group index.
inline constexpr std::uint64_t FrameGroupIndex = 21;

// SM_GETSTYLE's reply.
inline void ReplyStyle(platform::TMessage& m, int typeCode, framework::TPersistent* style) {
  m.WParam = static_cast<platform::WPARAM>(typeCode);
  m.LParam = platform::LParamOf(style);
  m.Result = 1;
}
inline int StyleTypeOf(const platform::TMessage& reply) {
  return static_cast<int>(reply.WParam);
}
inline framework::TPersistent* StyleOf(const platform::TMessage& reply) {
  return platform::LParamPointer<framework::TPersistent>(reply);
}

// SM_REBUILDCACHE's LParam that marks the cache stale.
inline constexpr platform::LPARAM RebuildParam = -1;

// SM_SKINLOADED, SM_SKINREMOVED: the skin manager.
inline platform::LPARAM SkinManagerParam(sSkinManager::TsSkinManager* manager) {
  return platform::LParamOf(manager);
}

}  // namespace sMessages
