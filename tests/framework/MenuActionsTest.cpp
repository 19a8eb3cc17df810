#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/forms/Actions.h"
#include "framework/forms/ImageList.h"
#include "framework/forms/Menus.h"
#include "platform/window/Menus.h"
#include "platform/window/Messages.h"
#include "tests/framework/ControlTestSupport.h"

namespace framework {
namespace {

class MenuActions : public ::testing::Test, public testing::FormFixture {
 protected:
  MenuActions() {
    menu = new TMainMenu(form);
    file = new TMenuItem(form);
    open = new TMenuItem(form);
    file->SetParentComponent(menu);
    open->SetParentComponent(file);
    list = new TActionList(form);
    action = new TAction(form);
    action->SetParentComponent(list);
    form->SetMenu(menu);
  }
  std::string OpenText() const {
    const auto bar = platform::GetMenuItemInfo(platform::GetMenu(form->Handle()), 0);
    return platform::GetMenuItemInfo(bar->SubMenu, 0)->Text;
  }

  TMainMenu* menu = nullptr;
  TMenuItem* file = nullptr;
  TMenuItem* open = nullptr;
  TActionList* list = nullptr;
  TAction* action = nullptr;
};

TEST_F(MenuActions, ALinkedItemShowsAndRunsItsAction) {
  int runs = 0;
  action->OnExecute = [&](TObject* sender) {
    EXPECT_EQ(sender, action);
    ++runs;
  };
  action->SetCaption("&Open");
  action->SetShortCut(ShortCut('O', {ssCtrl}));
  open->SetAction(action);
  EXPECT_EQ(OpenText(), "&Open\tCtrl+O");
  EXPECT_EQ(open->GetParentComponent(), file);
  EXPECT_EQ(file->GetParentComponent(), menu);
  EXPECT_EQ(action->GetParentComponent(), list);

  action->SetEnabled(false);
  EXPECT_FALSE(open->Enabled());
  open->Click();
  EXPECT_EQ(runs, 0);
  action->SetEnabled(true);
  open->Click();
  EXPECT_TRUE(list->IsShortCut('O', {ssCtrl}));
  EXPECT_EQ(runs, 2);

  action->OnUpdate = [](TObject* sender) { static_cast<TAction*>(sender)->SetEnabled(false); };
  EXPECT_FALSE(action->Execute()) << "OnUpdate runs first and may disable it";
  EXPECT_EQ(runs, 2);
}

TEST_F(MenuActions, FreeingTheActionOrTheListUnlinksEverything) {
  open->SetAction(action);
  delete list;
  EXPECT_EQ(action->ActionList(), nullptr);
  delete action;
  EXPECT_EQ(open->Action(), nullptr);
  open->SetCaption("Still here");
  EXPECT_EQ(OpenText(), "Still here");
}

TEST_F(MenuActions, APopupMenuRunsTheChosenItemAfterClosing) {
  auto* popup = new TPopupMenu(form);
  auto* first = new TMenuItem(form);
  auto* second = new TMenuItem(form);
  first->SetCaption("First");
  second->SetCaption("Second");
  first->SetParentComponent(popup);
  second->SetParentComponent(popup);
  std::vector<std::string> log;
  second->OnClick = [&](TObject*) { log.push_back(platform::IsMenuActive() ? "open" : "closed"); };
  session.Backend().ScheduleStep([&] {
    session.PressKey(platform::VK_DOWN);
    session.PressKey(platform::VK_DOWN);
    session.PressKey(platform::VK_RETURN);
  });
  popup->Popup(150, 150);
  EXPECT_EQ(log, (std::vector<std::string>{"closed"}));

  session.Backend().ScheduleStep([&] { session.PressKey(platform::VK_ESCAPE); });
  popup->Popup(150, 150);
  EXPECT_EQ(log.size(), 1u) << "dismissed: nothing runs";
}

TEST(ImageLists, MaskedStripsAreCutIntoPicturesAndDrawnWithTheirTransparency) {
  TBitmap strip;
  strip.SetSize(8, 4);
  strip.Canvas()->Brush()->SetColor(platform::clFuchsia);
  strip.Canvas()->FillRect({0, 0, 8, 4});
  strip.Canvas()->SetPixels(1, 1, platform::clRed);
  strip.Canvas()->SetPixels(6, 2, platform::clBlue);

  TImageList images(nullptr);
  images.SetWidth(4);
  images.SetHeight(4);
  EXPECT_EQ(images.AddMasked(strip, platform::clFuchsia), 0);
  ASSERT_EQ(images.Count(), 2);

  TBitmap target;
  target.SetSize(10, 10);
  target.Canvas()->Brush()->SetColor(platform::clWhite);
  target.Canvas()->FillRect({0, 0, 10, 10});
  images.Draw(*target.Canvas(), 5, 5, 1);
  EXPECT_EQ(target.Canvas()->Pixels(7, 7), platform::clBlue);
  EXPECT_EQ(target.Canvas()->Pixels(5, 5), platform::clWhite) << "transparent";
  images.Draw(*target.Canvas(), 0, 0, 0, false);
  const platform::TColor grey = target.Canvas()->Pixels(1, 1);
  EXPECT_EQ(grey & 0xFF, (grey >> 8) & 0xFF) << "disabled pictures are grey";
  EXPECT_THROW(images.Draw(*target.Canvas(), 0, 0, 2), EListError);

  TImageList copy(nullptr);
  copy.SetWidth(4);
  copy.SetHeight(4);
  copy.SetStrip(images.Strip());
  ASSERT_EQ(copy.Count(), 2);
  TBitmap a;
  TBitmap b;
  images.GetBitmap(1, a);
  copy.GetBitmap(1, b);
  EXPECT_EQ(a.Data(), b.Data());
  EXPECT_THROW(images.SetWidth(0), EInvalidOperation);
  images.SetWidth(8);
  EXPECT_EQ(images.Count(), 0) << "a new size starts empty";
}

// Every client hears of each change until it leaves; the action list forgets a freed list.
TEST_F(MenuActions, ImageListsTellTheirClientsAndActionListsForgetThemWhenFreed) {
  auto* images = new TImageList(form);
  list->SetImages(images);
  std::vector<std::string> heard;
  images->AddClient(open, [&] { heard.push_back("open"); });
  images->AddClient(file, [&] { heard.push_back("file"); });
  images->AddClient(open, [&] { heard.push_back("open again"); });
  TBitmap cell;
  cell.SetSize(16, 16);
  images->AddMasked(cell, platform::clFuchsia);
  images->RemoveClient(file);
  images->Clear();
  // Added again, a client hears last and with its new handler.
  EXPECT_EQ(heard, (std::vector<std::string>{"file", "open again", "open again"}));
  delete images;
  EXPECT_EQ(list->Images(), nullptr);
}

}  // namespace
}  // namespace framework
