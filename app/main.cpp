// The Bezier tool: one main window on the desktop, read from its embedded description.
#include <cstdio>
#include <exception>

#include "app/Bezier.h"
#include "framework/forms/Application.h"
#include "platform/desktop/Desktop.h"
#include "platform/window/Windows.h"
#include "resources/Embedded.h"

int main() {
  resources::RegisterEmbeddedResources();
  try {
    platform::StartWindowSystem(platform::CreateDesktopBackend());
    {
      framework::TApplication application;
      application.CreateForm<Bezier::TForm1>();
      application.Run();
    }
    platform::StopWindowSystem();
    return 0;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "bezier: %s\n", e.what());
    return 1;
  }
}
