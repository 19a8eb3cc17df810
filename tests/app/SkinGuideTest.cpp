// The skin authors' guide: its smallest skin, put together from the text of its code blocks,
// is worn without a problem reported, and changes how the window looks.
#include <gtest/gtest.h>

#include <string>

#include "app/BezierShot.h"
#include "resources/Embedded.h"
#include "tests/app/SkinSupport.h"
#include "tests/app/TempFolder.h"

namespace Bezier::testing {
namespace {

// The ```ini blocks after the heading, up to the next heading of that level.
std::string IniBlocksUnder(const std::string& guide, const std::string& heading) {
  const std::size_t start = guide.find("\n" + heading + "\n");
  EXPECT_NE(start, std::string::npos) << heading;
  const std::size_t end = guide.find("\n## ", start + 1);
  std::string text;
  for (std::size_t at = guide.find("```ini\n", start); at < end; at = guide.find("```ini\n", at)) {
    at += 7;
    const std::size_t close = guide.find("```", at);
    text += guide.substr(at, close - at);
    at = close + 3;
  }
  return text;
}

TEST(SkinGuide, TheSmallestSkinIsWornWithoutAProblem) {
  resources::RegisterEmbeddedResources();
  const std::string options =
      IniBlocksUnder(tempfiles::ReadBytes(BEZIER_DOCS "/skins.md"), "## The smallest skin");
  ASSERT_NE(options.find("[TsGauge]"), std::string::npos) << options;
  tempfiles::TempFolder folder;
  const std::string skin = MakeSkinFolder(folder.Path("Terkecil"), options);
  const TWindowShot shot = ShootMainWindow(std::nullopt, skin);
  EXPECT_EQ(shot.SkinMissing, std::vector<std::string>{});
  EXPECT_NE(shot.Picture, ShootMainWindow(std::nullopt).Picture);
}

}  // namespace
}  // namespace Bezier::testing
