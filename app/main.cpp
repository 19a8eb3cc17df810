// The Bezier tool: one main window on the desktop, read from its embedded description.
#include <cstdio>
#include <exception>

#include "app/Bezier.h"
#include "app/skins/Appearance.h"
#include "framework/forms/Application.h"
#include "platform/desktop/Desktop.h"
#include "platform/graphics/Png.h"
#include "platform/kernel/Resources.h"
#include "platform/window/Windows.h"
#include "resources/AppIcon.h"
#include "resources/Embedded.h"
#include "skinengine/skin/sMaskData.h"

namespace {

// The name the launcher entry and the icon theme know the tool by, and its embedded icons.
platform::DesktopIdentity Identity() {
  platform::DesktopIdentity identity{"bezier", {}};
  for (const int size : resources::AppIconSizes) {
    identity.Icons.push_back(
        platform::DecodePngRgba(platform::LoadResource(resources::AppIconName(size))));
  }
  return identity;
}

}  // namespace

int main() {
  resources::RegisterEmbeddedResources();
  try {
    // The skin engine's own border masks, for controls that choose one rather than a skin's.
    sMaskData::LoadBuiltInMasks();
    platform::StartWindowSystem(platform::CreateDesktopBackend(Identity()));
    {
      framework::TApplication application;
      application.CreateForm<Bezier::TForm1>()->Appearance().ApplyRemembered();
      application.Run();
    }
    platform::StopWindowSystem();
    return 0;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "bezier: %s\n", e.what());
    return 1;
  }
}
