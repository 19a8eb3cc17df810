#pragma once

// What the tests of skins and settings share: environment variables set for one test, and
// skin folders made on the spot.

#include <stdlib.h>

#include <filesystem>
#include <optional>
#include <string>

#include "tests/app/TempFolder.h"

namespace Bezier::testing {

// Sets (or, with nullopt, unsets) an environment variable until the end of the scope.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const std::optional<std::string>& value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    if (value)
      ::setenv(name, value->c_str(), 1);
    else
      ::unsetenv(name);
  }
  ~ScopedEnv() {
    if (old_)
      ::setenv(name_, old_->c_str(), 1);
    else
      ::unsetenv(name_);
  }
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  const char* name_;
  std::optional<std::string> old_;
};

// Settings of their own for a test, in a folder that goes with it; set up before the window.
struct OwnSettings {
  std::string SettingsFile() const { return config.Path("bezier/settings.ini"); }

  tempfiles::TempFolder config;
  ScopedEnv env{"XDG_CONFIG_HOME", config.Path("")};
};

// A skin folder holding the given "Options.dat".
inline std::string MakeSkinFolder(const std::string& path, const std::string& options) {
  std::filesystem::create_directories(path);
  tempfiles::WriteBytes(path + "/Options.dat", options);
  return path;
}

// The dark skin the build draws.
inline std::string DarkSkinFolder() {
  return BEZIER_SKINS_FOLDER "/Velora Gelap";
}

}  // namespace Bezier::testing
