// The main window's skinned frame: as stored, its hit codes, its region, its menu bar, and the
// menus and the system menu still doing their work through it.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/window/Menus.h"
#include "platform/window/MessageParams.h"
#include "platform/window/Windows.h"
#include "skinengine/frame/sSkinProvider.h"
#include "skinengine/frame/sSkinProviderSystemMenu.h"
#include "skinengine/skin/sSkinLists.h"
#include "tests/app/MainWindowSupport.h"

namespace Bezier::testing {
namespace {

using platform::TPoint;
using platform::TRect;

class SkinnedFrame : public MainWindow {
 protected:
  SkinnedFrame() { Settle(); }
  void Settle() {
    app.ProcessMessages();
    platform::UpdateWindow(form->Handle());
  }
  sSkinProvider::TsSkinProvider& Provider() { return *form->sSkinProvider1; }
  TPoint OnScreen(TPoint window) { return platform::WindowToScreen(form->Handle(), window); }
  int HitCode(TPoint window) {
    return static_cast<int>(platform::SendMessage(form->Handle(), platform::WM_NCHITTEST, 0,
                                                  platform::PointParam(OnScreen(window))));
  }
};

TEST_F(SkinnedFrame, TheProviderIsStoredBeforeTheManagerWithoutBorderIcons) {
  ASSERT_NE(form->sSkinProvider1, nullptr);
  EXPECT_TRUE(Provider().BorderIcons().Empty());
  EXPECT_LT(form->sSkinProvider1->ComponentIndex(), form->sSkinManager1->ComponentIndex());
  EXPECT_EQ(Provider().Manager(), form->sSkinManager1);
  EXPECT_GE(Provider().FrameStyle().SkinIndex(), 0) << "bound to the stored skin's Form";
  EXPECT_EQ(Provider().ButtonStrip().Width(), 4) << "no buttons: the strip is SM_CXFRAME wide";
}

// The 797 x 541 window: a 4-pixel fixed frame, the 19-pixel caption, the 19-pixel bar. The
// title's buttons band is rows 3 to 19; without border icons it holds only the icon (x 4 to
// 20); the rest is the platform's: border 18, caption 2, menu 5, client 1, and 0 where the
// title's corners are cut away.
TEST_F(SkinnedFrame, HitCodesOverTheTitleBand) {
  const std::vector<int> xs{1, 3, 4, 20, 21, 400, 793, 796};
  const std::vector<std::pair<int, std::vector<int>>> rows{
      {0, {0, 18, 18, 18, 18, 18, 18, 0}}, {3, {18, 18, 3, 3, 18, 18, 18, 18}},
      {10, {18, 18, 3, 3, 2, 2, 18, 18}},  {19, {18, 18, 3, 3, 2, 2, 18, 18}},
      {20, {18, 18, 2, 2, 2, 2, 18, 18}},  {30, {18, 18, 5, 5, 5, 5, 18, 18}},
      {45, {18, 18, 1, 1, 1, 1, 18, 18}},
  };
  for (const auto& [y, codes] : rows) {
    std::vector<int> got;
    for (const int x : xs) got.push_back(HitCode({x, y}));
    EXPECT_EQ(got, codes) << "row " << y;
  }
}

// The window's region is the whole window less the magenta of the "FORMTITLE" mask's corner
// columns (the normal block's left and right slices, in the picture half), the left ones at
// the window's left edge and the right ones at its right edge, and less what lies outside the
// frame's rounded bottom corners.
TEST_F(SkinnedFrame, TheRegionIsTheWindowLessItsRoundedCorners) {
  const int section = sSkinManager::FindSectionIndex("FormTitle");
  const int index = sSkinManager::FindImageIndex(section, "FORMTITLE", "BORDERSMASK");
  ASSERT_GE(index, 0);
  const platform::Bitmap& mask =
      sSkinManager::SkinImages()[static_cast<std::size_t>(index)].Bitmap->Data();
  const int slice = mask.Width() / 9;  // 7 of 63
  const platform::Region shape = *Backend().Native(form->Handle())->Shape;
  const TRect window = platform::GetWindowBounds(form->Handle());
  long cut = 0;
  for (int y = 0; y < mask.Height() / 2; ++y) {
    for (int x = 0; x < slice; ++x) {
      const bool left = mask.Pixel(x, y) == platform::clFuchsia;
      const bool right = mask.Pixel(2 * slice + x, y) == platform::clFuchsia;
      EXPECT_EQ(shape.Contains({x, y}), !left) << x << "," << y;
      EXPECT_EQ(shape.Contains({window.Width() - slice + x, y}), !right) << x << "," << y;
      cut += (left ? 1 : 0) + (right ? 1 : 0);
    }
  }
  EXPECT_GT(cut, 0) << "the stored skin's title has rounded corners";
  // The bottom corners: in the last four rows of the window 1, 1, 2 and 4 pixels at each side,
  // the "FORM" mask's magenta and the two pixels whose mask (0x8F) lets the light face through,
  // at (0, 11) and (3, 14) of its 15 x 15 corner slice.
  const int bottom = window.Height();
  const struct {
    int Row, Cut;
  } corners[] = {
      {bottom - 5, 0}, {bottom - 4, 1}, {bottom - 3, 1}, {bottom - 2, 2}, {bottom - 1, 4}};
  for (const auto& c : corners) {
    EXPECT_FALSE(c.Cut > 0 && shape.Contains({c.Cut - 1, c.Row})) << c.Row;
    EXPECT_TRUE(shape.Contains({c.Cut, c.Row})) << c.Row;
    EXPECT_FALSE(c.Cut > 0 && shape.Contains({window.Width() - c.Cut, c.Row})) << c.Row;
    EXPECT_TRUE(shape.Contains({window.Width() - c.Cut - 1, c.Row})) << c.Row;
    cut += 2 * c.Cut;
  }
  long area = 0;
  for (const TRect& r : shape.Rects()) area += static_cast<long>(r.Width()) * r.Height();
  EXPECT_EQ(area, static_cast<long>(window.Width()) * window.Height() - cut);
}

// The menu painter measures a bar item as its text plus the 4-pixel margin: "File" 17 + 4,
// "Tabel" 27 + 4, "Tampilan" 44 + 4, "About" 28 + 4 with the default font, so the items lie at
// 4, 4 + 33, 37 + 43, 80 + 60, 140 + 44, one 18-pixel line below the 23-pixel title. On a
// window 130 wide (room to 130 - 14 = 116) "Tampilan" (80 + 60 = 140) starts a second line, and
// "About" (64 + 44 = 108) follows it there. The platform hit-tests what the frame drew.
TEST_F(SkinnedFrame, TheMenuBarsItemsLieWhereThePlatformHitTestsThem) {
  const auto check = [&](const std::vector<TRect>& expected) {
    Provider().SetCacheStale(true);
    Provider().BuildCache();
    for (int i = 0; i < 4; ++i) {
      const TRect r = platform::GetMenuItemRect(form->Handle(), form->MainMenu->MenuHandle(), i);
      EXPECT_EQ(r.Offset(-form->Left(), -form->Top()), expected[static_cast<std::size_t>(i)]);
    }
  };
  check({{4, 23, 37, 41}, {37, 23, 80, 41}, {80, 23, 140, 41}, {140, 23, 184, 41}});
  EXPECT_EQ(Provider().MenuLines(), 1);
  form->SetWidth(130);
  Settle();
  check({{4, 23, 37, 41}, {37, 23, 80, 41}, {4, 41, 64, 59}, {64, 41, 108, 59}});
  EXPECT_EQ(Provider().MenuLines(), 2);
}

// File > Open, Save and Close chosen with the mouse from the bar's drop-down.
TEST_F(SkinnedFrame, TheFileMenuStillWorks) {
  const std::string path = folder.Path("frame.txt");
  tempfiles::WriteBytes(path, "2x2\n1 2 3\n4 5 6\n7 8 9\n10 11 12\n");
  const platform::HMENU bar = form->MainMenu->MenuHandle();
  const platform::HMENU file = DropDown(0);
  struct Case {
    const char* Name;
    int Item;
    std::function<bool()> Done;
  };
  const std::vector<Case> cases = {
      {"Open", 0, [&] { return form->LoadedFromFile && form->SGInput->Cells(1, 1) == "1"; }},
      {"Save", 1,
       [&] { return Backend().Dialogs().back().File.Kind == platform::FileDialogKind::Save; }},
      {"Close", 3, [&] { return app.Terminated(); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    Backend().AnswerFileDialog(path);
    session.Advance(1000);
    session.Click(ItemCentre(bar, 0));
    ASSERT_TRUE(platform::IsMenuActive());
    session.Click(ItemCentre(file, c.Item));
    app.ProcessMessages();
    EXPECT_TRUE(c.Done());
  }
}

// The keyboard works the menus through the skinned bar: Alt selects the bar and Escape leaves
// it; Alt and Enter open File on Open, three Downs pass Save and "Simpan Gambar..." to Close,
// and Enter chooses it.
TEST_F(SkinnedFrame, TheKeyboardWorksTheMenusThroughTheBar) {
  session.PressKey(platform::VK_MENU);
  EXPECT_TRUE(platform::IsMenuActive());
  session.PressKey(platform::VK_ESCAPE);
  EXPECT_FALSE(platform::IsMenuActive());
  for (const std::uint32_t key : {platform::VK_MENU, platform::VK_RETURN, platform::VK_DOWN,
                                  platform::VK_DOWN, platform::VK_DOWN, platform::VK_RETURN})
    session.PressKey(key);
  app.ProcessMessages();
  EXPECT_TRUE(app.Terminated());
}

// The title's icon opens the frame's own system menu, where only Move and Close work.
TEST_F(SkinnedFrame, TheSystemMenuOffersMoveAndClose) {
  sSkinProvider::TsSystemMenu& menu = Provider().SystemMenu();
  Backend().ScheduleStep([&] {
    std::vector<std::string> enabled;
    for (int i = 0; i < menu.Items()->Count(); ++i)
      if (menu.Items()->Items(i)->Enabled() && !menu.Items()->Items(i)->IsLine())
        enabled.push_back(menu.Items()->Items(i)->Caption());
    EXPECT_EQ(enabled, (std::vector<std::string>{"Move", "Close"}));
    session.Click(ItemCentre(menu.MenuHandle(), 6));
  });
  session.Press(OnScreen({10, 10}));
  app.ProcessMessages();
  EXPECT_TRUE(app.Terminated());
}

TEST_F(SkinnedFrame, TheTitleShowsTheSkinnedLook) {
  const platform::Bitmap shown = platform::WindowSnapshot(form->Handle());
  EXPECT_NE(shown.Pixel(400, 12), platform::ColorToRGB(platform::clActiveCaption));
  EXPECT_EQ(shown.Pixel(400, 12), Provider().FrameCache().Data().Pixel(400, 12));
  EXPECT_EQ(shown.Pixel(2, 300), Provider().FrameCache().Data().Pixel(2, 300)) << "the border";
}

}  // namespace
}  // namespace Bezier::testing
