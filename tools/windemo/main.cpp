#include <cstdio>

#include "DemoWindow.h"
#include "platform/Error.h"
#include "platform/desktop/Desktop.h"
#include "platform/window/MessageLoop.h"
#include "platform/window/Windows.h"

int main() {
  try {
    platform::StartWindowSystem(platform::CreateDesktopBackend());
    windemo::DemoWindow demo;
    demo.Create();
    const int code = platform::RunMessageLoop();
    platform::StopWindowSystem();
    return code;
  } catch (const platform::Error& e) {
    std::fprintf(stderr, "windemo: %s\n", e.what());
    return 1;
  }
}
