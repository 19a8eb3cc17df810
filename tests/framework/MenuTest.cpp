#include <gtest/gtest.h>

#include "framework/classes/ClassBuilder.h"
#include "framework/forms/ImageList.h"
#include "framework/forms/Menus.h"
#include "platform/window/Input.h"
#include "platform/window/Menus.h"
#include "platform/window/Messages.h"
#include "platform/window/Metrics.h"
#include "platform/window/Windows.h"
#include "tests/framework/ControlTestSupport.h"

namespace framework {
namespace {

using testing::Log;
using testing::TProbeEdit;

constexpr const char* MenuFormText = R"(object MenuForm: TMenuForm
  Menu = MainMenu
  object MainMenu: TMainMenu
    OwnerDraw = True
    object File1: TMenuItem
      Caption = '&File'
      object Open: TMenuItem
        Caption = '&Open'
        ShortCut = 16463
        OnClick = OpenClick
        OnMeasureItem = ItemMeasure
        OnAdvancedDrawItem = ItemDraw
      end
      object Line: TMenuItem
        Caption = '-'
      end
      object Close1: TMenuItem
        Caption = 'Close'
        Enabled = False
        ShortCut = 16499
        OnClick = OpenClick
      end
    end
  end
end
)";

class TMenuForm : public TForm {
 public:
  explicit TMenuForm(TComponent* owner) : TForm(owner) {
    LoadDescription(MenuFormText, testing::FrameworkClasses());
  }

  static const TClassInfo& StaticClassInfo() {
    using F = TMenuForm;
    static const TClassInfo info = TClassBuilder<F, TForm>("TMenuForm")
                                       .Field("MainMenu", &F::MainMenu)
                                       .Field("Open", &F::Open)
                                       .Field("Close1", &F::Close1)
                                       .Method("OpenClick", &F::OpenClick)
                                       .Method("ItemMeasure", &F::ItemMeasure)
                                       .Method("ItemDraw", &F::ItemDraw)
                                       .Build();
    return info;
  }
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  void OpenClick(TObject* sender) {
    log.push_back("click " + static_cast<TMenuItem*>(sender)->Name());
  }
  void ItemMeasure(TObject*, TCanvas*, int& width, int& height) {
    width = 123;
    height += 4;
  }
  void ItemDraw(TObject*, TCanvas* canvas, platform::TRect rect, TOwnerDrawState state) {
    canvas->Brush()->SetColor(state.Contains(odSelected) ? platform::clLime : platform::clRed);
    canvas->FillRect(rect);
  }

  TMainMenu* MainMenu = nullptr;
  TMenuItem* Open = nullptr;
  TMenuItem* Close1 = nullptr;
  Log log;
};

class Menus : public ::testing::Test {
 protected:
  Menus() {
    form = app.CreateForm<TMenuForm>();
    form->ShowForm();
  }
  // Asks the form to draw a menu item, as the window system does for owner-drawn ones.
  void SendDraw(platform::Canvas& canvas, std::uint32_t state, std::uint64_t item,
                platform::TRect rect = {}) {
    platform::DrawItemStruct draw;
    draw.CtlType = platform::ODT_MENU;
    draw.ItemState = state;
    draw.ItemData = item;
    draw.DC = &canvas;
    draw.ItemRect = rect;
    platform::SendMessage(form->Handle(), platform::WM_DRAWITEM, 0, platform::DrawItemParam(draw));
  }

  platform::HeadlessSession session;
  TApplication app;
  TMenuForm* form = nullptr;
};

TEST_F(Menus, AStoredMainMenuBecomesTheFormsMenuBar) {
  const platform::HMENU bar = platform::GetMenu(form->Handle());
  ASSERT_EQ(bar, form->MainMenu->MenuHandle());
  ASSERT_EQ(platform::GetMenuItemCount(bar), 1);
  const auto file = platform::GetMenuItemInfo(bar, 0);
  ASSERT_TRUE(file && platform::IsMenu(file->SubMenu));
  EXPECT_EQ(file->Text, "&File");
  const auto open = platform::GetMenuItemInfo(file->SubMenu, 0);
  EXPECT_EQ(open->Text, "&Open\tCtrl+O");
  EXPECT_TRUE(open->OwnerDraw);
  EXPECT_TRUE(platform::GetMenuItemInfo(file->SubMenu, 1)->Separator);
  EXPECT_FALSE(platform::GetMenuItemInfo(file->SubMenu, 2)->Enabled);

  form->Close1->SetEnabled(true);
  const auto rebuilt = platform::GetMenuItemInfo(platform::GetMenu(form->Handle()), 0);
  EXPECT_TRUE(platform::GetMenuItemInfo(rebuilt->SubMenu, 2)->Enabled);
}

TEST_F(Menus, CommandsAndShortcutsRunTheItemsAndDisabledOnesStayQuiet) {
  auto* edit = new TProbeEdit(form);
  edit->SetParent(form);
  edit->SetFocus();
  platform::SendMessage(form->Handle(), platform::WM_COMMAND, form->Open->Command());
  platform::SendMessage(form->Handle(), platform::WM_COMMAND, form->Close1->Command());

  platform::InputKey(platform::VK_CONTROL, true);
  session.PressKey('O');
  session.PressKey('S');
  platform::InputKey(platform::VK_CONTROL, false);
  EXPECT_EQ(form->log, (Log{"click Open", "click Open"}));
  EXPECT_EQ(ShortCut('O', {ssCtrl}), 16463);
  EXPECT_EQ(ShortCutToText(ShortCut(platform::VK_DELETE, {ssShift, ssCtrl})), "Shift+Ctrl+Del");
  EXPECT_EQ(ShortCutToText(ShortCut(platform::VK_F1 + 3, {})), "F4");
  EXPECT_EQ(ShortCut(platform::VK_SHIFT, {ssShift}), 0);
}

TEST_F(Menus, OwnerDrawnItemsAreMeasuredAndDrawnByTheirHandlers) {
  platform::MeasureItemStruct measure;
  measure.CtlType = platform::ODT_MENU;
  measure.ItemData = form->Open->Command();
  platform::SendMessage(form->Handle(), platform::WM_MEASUREITEM, 0,
                        reinterpret_cast<platform::LPARAM>(&measure));
  EXPECT_EQ(measure.ItemWidth, 123);
  EXPECT_EQ(measure.ItemHeight, platform::GetSystemMetrics(platform::SM_CYMENU) + 4);

  platform::Bitmap target(40, 20);
  platform::Canvas canvas(target);
  SendDraw(canvas, platform::ODS_SELECTED, form->Open->Command(), {0, 0, 40, 20});
  EXPECT_EQ(target.Pixel(10, 10), platform::clLime);
  SendDraw(canvas, platform::ODS_SELECTED, 0xFFFFu);  // no item of ours
}

TEST_F(Menus, FreeingItemsAndTheMenuLeavesNothingBehind) {
  EXPECT_THROW(form->Open->Add(form->Open), EInvalidOperation);
  EXPECT_THROW(form->Open->Items(0), EListError);
  delete form->Close1;
  form->Close1 = nullptr;
  const auto file = platform::GetMenuItemInfo(platform::GetMenu(form->Handle()), 0);
  EXPECT_EQ(platform::GetMenuItemCount(file->SubMenu), 2);
  delete form->MainMenu;
  EXPECT_EQ(form->Menu(), nullptr);
  EXPECT_EQ(platform::GetMenu(form->Handle()), platform::NullMenu);
  EXPECT_EQ(form->Open->GetParentMenu(), nullptr);
}

TEST_F(Menus, OwnerDrawnItemsHearEveryStateTheWindowSystemGives) {
  TOwnerDrawState seen;
  form->Open->OnAdvancedDrawItem = [&seen](TObject*, TCanvas*, platform::TRect,
                                           TOwnerDrawState state) { seen = state; };
  struct Case {
    std::uint32_t itemState;
    TOwnerDrawState expected;
  };
  const Case cases[] = {
      {platform::ODS_SELECTED, {odSelected}},
      {platform::ODS_HOTLIGHT, {odHotLight}},
      {platform::ODS_INACTIVE, {odInactive}},
      {platform::ODS_NOACCEL, {odNoAccel}},
      {platform::ODS_GRAYED | platform::ODS_DISABLED | platform::ODS_CHECKED | platform::ODS_FOCUS |
           platform::ODS_DEFAULT,
       {odGrayed, odDisabled, odChecked, odFocused, odDefault}},
  };
  platform::Bitmap target(10, 10);
  platform::Canvas canvas(target);
  for (const Case& c : cases) {
    SendDraw(canvas, c.itemState, form->Open->Command());
    EXPECT_EQ(seen, c.expected) << std::hex << c.itemState;
  }
}

TEST_F(Menus, ItemPicturesComeFromTheParentsSubMenuImagesElseTheMenus) {
  auto* menuImages = new TImageList(form);
  auto* subImages = new TImageList(form);
  form->MainMenu->SetImages(menuImages);
  TMenuItem* file = form->Open->Parent();
  file->SetSubMenuImages(subImages);
  EXPECT_EQ(form->Open->GetImageList(), subImages);
  EXPECT_EQ(file->GetImageList(), menuImages);
  delete subImages;
  EXPECT_EQ(file->SubMenuImages(), nullptr);
  EXPECT_EQ(form->Open->GetImageList(), menuImages);
  delete menuImages;
  EXPECT_EQ(form->Open->GetImageList(), nullptr);
}

}  // namespace
}  // namespace framework
