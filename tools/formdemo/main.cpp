#include <cstdio>
#include <exception>

#include "DemoForm.h"
#include "framework/forms/Application.h"
#include "platform/desktop/Desktop.h"
#include "platform/window/Windows.h"

int main() {
  try {
    platform::StartWindowSystem(platform::CreateDesktopBackend());
    {
      framework::TApplication app;
      app.SetTitle("Form demo");
      app.CreateForm<formdemo::TDemoForm>();
      app.Run();
    }
    platform::StopWindowSystem();
    return 0;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "formdemo: %s\n", e.what());
    return 1;
  }
}
