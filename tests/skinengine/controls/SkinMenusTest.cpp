// The menu painter's handlers: item kinds, measures, where it installs its handlers and where
// it leaves the application's, and how it lets go.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <optional>
#include <sstream>
#include <string>

#include "framework/forms/ImageList.h"
#include "tests/skinengine/controls/ControlsTestSupport.h"
#include "tests/skinengine/controls/MenuTestSupport.h"

namespace {

using framework::TMenuItem;
using platform::TSize;
using sSkinMenus::TsMenuItemType;
using namespace menutests;

// A main menu File [Open, Save] and Edit [Undo], a popup menu Cut, Copy, Sub [Deep], and an
// item tree Root [Leaf] of no menu, all owned by the form. File carries an application's
// measure handler, Edit, Open and Cut application draw handlers.
class SkinMenus : public ::testing::Test, public skintests::FormFixture {
 public:
  SkinMenus() { Build(); }

  // Fresh menus and a fresh painter, with the skin active.
  void Build() {
    LoadMenuSections();
    items.clear();
    mainMenu = new framework::TMainMenu(form);
    popupMenu = new framework::TPopupMenu(form);
    auto top = AddItems(form, *mainMenu->Items(), {"File", "Edit"});
    AddItems(form, *top[0], {"Open", "Save"});
    AddItems(form, *top[1], {"Undo"});
    auto popup = AddItems(form, *popupMenu->Items(), {"Cut", "Copy", "Sub"});
    AddItems(form, *popup[2], {"Deep"});
    auto* root = new TMenuItem(form);
    root->SetCaption("Root");
    AddItems(form, *root, {"Leaf"});
    for (TMenuItem* parent : {top[0], top[1], popupMenu->Items(), popup[2], root}) {
      items[parent->Caption()] = parent;
      for (int i = 0; i < parent->Count(); ++i)
        items[parent->Items(i)->Caption()] = parent->Items(i);
    }
    items["File"]->OnMeasureItem = [](framework::TObject*, framework::TCanvas*, int&, int& h) {
      h = 77;
    };
    for (const char* name : {"Edit", "Open", "Cut"})
      items[name]->OnAdvancedDrawItem = [this](framework::TObject*, framework::TCanvas*,
                                               platform::TRect,
                                               framework::TOwnerDrawState) { ++applicationDraws; };
    painter = NewPainter();
  }

  std::unique_ptr<sSkinMenus::TsSkinableMenus> NewPainter(
      sSkinManager::TsSkinManager* manager = nullptr) {
    auto p = std::make_unique<sSkinMenus::TsSkinableMenus>(manager);
    p->OnDrawItem = [this](framework::TObject*, framework::TCanvas*, const platform::TRect&,
                           framework::TOwnerDrawState, TsMenuItemType type) { drawnAs = type; };
    return p;
  }

  // "draw/measure", each "app", "bar", "item" or "-" for none: told apart by what the
  // handlers do (the bar measure answers 18 high, the item measure 24, the application's 77).
  std::string Handlers(const std::string& name) {
    TMenuItem& item = *items[name];
    std::string draw = "-";
    if (item.OnAdvancedDrawItem) {
      const int before = applicationDraws;
      drawnAs.reset();
      Drawn(item, {0, 0, 60, 24});
      draw = applicationDraws > before          ? "app"
             : drawnAs == sSkinMenus::smTopLine ? "bar"
             : drawnAs == sSkinMenus::smNormal  ? "item"
                                                : "?";
    }
    const int height = Measure(item).cy;
    const std::string measure = !item.OnMeasureItem ? "-"
                                : height == 77      ? "app"
                                : height == 18      ? "bar"
                                : height == 24      ? "item"
                                                    : "?";
    return draw + "/" + measure;
  }

  // expected: "Name=draw/measure" entries separated by spaces.
  void ExpectHandlers(const std::string& expected, const std::string& what) {
    std::istringstream entries(expected);
    for (std::string entry; entries >> entry;) {
      const std::string name = entry.substr(0, entry.find('='));
      EXPECT_EQ(Handlers(name), entry.substr(name.size() + 1)) << what << ": " << name;
    }
  }

  skintests::SkinStateReset reset;
  TTestFrame frame{*form, nullptr};
  std::unique_ptr<sSkinMenus::TsSkinableMenus> painter;
  framework::TMainMenu* mainMenu = nullptr;
  framework::TPopupMenu* popupMenu = nullptr;
  std::map<std::string, TMenuItem*> items;
  int applicationDraws = 0;
  std::optional<TsMenuItemType> drawnAs;
};

TEST_F(SkinMenus, ItemKindsComeFromTheCaptionAndThePlace) {
  struct Case {
    const char* caption;
    const char* parent;  // an item above it, or "" for the main menu's bar
    TsMenuItemType expected;
  };
  const Case cases[] = {
      {"-", "File", sSkinMenus::smDivider},
      {"-Recent-", "File", sSkinMenus::smCaption},
      {"--", "File", sSkinMenus::smCaption},
      {"-x", "File", sSkinMenus::smNormal},
      {"x-", "File", sSkinMenus::smNormal},
      {"Help", "", sSkinMenus::smTopLine},
      {"-", "", sSkinMenus::smDivider},
      {"-Bar-", "", sSkinMenus::smCaption},
      // Unnamed like every item here, and still no bar item: the place decides, not the name.
      {"Print", "File", sSkinMenus::smNormal},
      {"Paste", "Sub", sSkinMenus::smNormal},
      {"Twig", "Root", sSkinMenus::smNormal},
  };
  for (const Case& c : cases) {
    TMenuItem& parent = *c.parent ? *items[c.parent] : *mainMenu->Items();
    TMenuItem* item = AddItems(form, parent, {c.caption})[0];
    EXPECT_EQ(sSkinMenus::ItemType(*item), c.expected) << c.caption << " under " << c.parent;
  }
  EXPECT_EQ(sSkinMenus::ItemType(*items["Cut"]), sSkinMenus::smNormal) << "a popup's top";
}

TEST_F(SkinMenus, ItemsMeasureTheirTextGlyphsAndMargins) {
  framework::TBitmap scratch;
  scratch.SetSize(1, 1);
  framework::TCanvas& canvas = *scratch.Canvas();
  ASSERT_EQ(canvas.TextHeight("W"), 13) << "the default 8-point font";
  const auto width = [&](const char* text) { return canvas.TextWidth(text); };
  auto* images = new framework::TImageList(form);
  images->SetWidth(24);
  images->SetHeight(20);

  struct Case {
    const char* what;
    const char* caption;
    framework::TShortCut shortCut;
    int margin;
    bool images;
    TSize expected;
  };
  const Case cases[] = {
      // 2 x 16 + 3 x 4 wide, 2 high.
      {"divider", "-", 0, 4, false, {44, 2}},
      // max(round(13 x 1.25), 16) + 2 x 4 = 24 high.
      {"normal", "Open", 0, 4, false, {32 + width("Open") + 12, 24}},
      // The caption and the shortcut text together.
      {"shortcut", "Open", framework::scCtrl | 'O', 4, false, {32 + width("OpenCtrl+O") + 12, 24}},
      // One more hyphen each side, 16 + 8 high.
      {"caption item", "-Recent-", 0, 4, false, {32 + width("--Recent--") + 12, 24}},
      // Glyphs of 24 x 20: 2 x 24 wide, max(16, 20) + 8 high.
      {"glyphs", "Open", 0, 4, true, {48 + width("Open") + 12, 28}},
      // 3 x 2 wider, 16 + 4 high.
      {"margin 2", "Open", 0, 2, false, {32 + width("Open") + 6, 20}},
      // round(16.25) = 16.
      {"caption item with margin 0", "-x-", 0, 0, false, {32 + width("--x--"), 16}},
  };
  for (const Case& c : cases) {
    painter->SetMargin(c.margin);
    mainMenu->SetImages(c.images ? images : nullptr);
    TMenuItem* item = AddItems(form, *items["File"], {c.caption})[0];
    item->SetShortCut(c.shortCut);
    painter->PrepareItem(item, true);
    EXPECT_EQ(Measure(*item), c.expected) << c.what;
  }

  painter->SetMargin(4);
  painter->PrepareItem(items["Edit"], true);
  EXPECT_EQ(Measure(*items["Edit"]), (TSize{width("Edit") + 4, 18}))
      << "a bar item: its text and the margin wide, SM_CYMENU - 1 high";
}

TEST_F(SkinMenus, TakingMenusOverInstallsHandlersWhereTheRulesSay) {
  struct Case {
    const char* what;
    void (*take)(sSkinMenus::TsSkinableMenus&, SkinMenus&);
    const char* expected;
  };
  const Case cases[] = {
      {"main menu, skin active: the bar handlers replace the application's",
       [](auto& p, auto& f) { p.HookMainMenu(f.mainMenu, true); },
       "File=bar/bar Edit=bar/bar Open=app/- Save=-/-"},
      {"main menu, no skin: the bar measure alone",
       [](auto& p, auto& f) {
         sSkinManager::SkinData().Active = false;
         p.HookMainMenu(f.mainMenu, true);
       },
       "File=-/bar Edit=app/bar"},
      {"popup menu: every item down the tree, the application's draw handler kept",
       [](auto& p, auto& f) { p.HookPopupMenu(f.popupMenu, true); },
       "Cut=app/item Copy=item/item Sub=item/item Deep=item/item File=-/app"},
      {"item tree: the children only",
       [](auto& p, auto& f) { p.HookItemTree(f.items["Root"], true); }, "Root=-/- Leaf=item/item"},
      {"item tree of a main menu: its bar items skipped",
       [](auto& p, auto& f) { p.HookItemTree(f.mainMenu->Items(), true); },
       "File=-/app Edit=app/- Open=app/item Undo=item/item"},
      {"one item at a time: a bar item always gets the bar handlers",
       [](auto& p, auto& f) {
         sSkinManager::SkinData().Active = false;
         for (const char* name : {"File", "Open", "Save"}) p.PrepareItem(f.items[name], true);
       },
       "File=bar/bar Open=app/item Save=item/item Undo=-/-"},
      {"everything the application owns; drop-downs of a main menu wait for their measure",
       [](auto& p, auto&) { p.SkinAll(true); },
       "File=bar/bar Open=app/- Cut=app/item Deep=item/item Root=-/- Leaf=item/item"},
      {"everything, for a manager at design time: nothing",
       [](auto&, auto& f) {
         sSkinManager::TsSkinManager manager(nullptr);
         manager.SetDesigning(true);
         f.NewPainter(&manager)->SkinAll(true);
       },
       "File=-/app Copy=-/- Leaf=-/-"},
  };
  for (const Case& c : cases) {
    Build();
    c.take(*painter, *this);
    ExpectHandlers(c.expected, c.what);
  }
}

TEST_F(SkinMenus, LettingGoTakesOnlyThePaintersOwnHandlers) {
  const auto other = NewPainter();
  painter->SkinAll(true);
  for (const char* name : {"Open", "Save"}) painter->PrepareItem(items[name], true);
  other->PrepareItem(items["Undo"], true);
  ASSERT_TRUE(mainMenu->OwnerDraw());

  struct Case {
    const char* what;
    void (*let)(sSkinMenus::TsSkinableMenus&, SkinMenus&);
    const char* expected;
  };
  const Case cases[] = {
      {"popup menu", [](auto& p, auto& f) { p.HookPopupMenu(f.popupMenu, false); },
       "Cut=app/- Copy=-/- Deep=-/- Leaf=item/item"},
      {"one drop-down item, and a bar item keeps its bar handlers",
       [](auto& p, auto& f) {
         p.PrepareItem(f.items["Open"], false);
         p.PrepareItem(f.items["File"], false);
       },
       "Open=app/- Save=item/item File=bar/bar"},
      {"main menu: the bar handlers", [](auto& p, auto& f) { p.HookMainMenu(f.mainMenu, false); },
       "File=-/- Edit=-/- Save=item/item"},
      {"everything: another painter's handlers stay",
       [](auto& p, auto& f) {
         p.SkinAll(false);
         p.HookItemTree(f.mainMenu->Items(), false);
       },
       "Leaf=-/- Save=-/- Undo=item/item"},
  };
  for (const Case& c : cases) {
    c.let(*painter, *this);
    ExpectHandlers(c.expected, c.what);
  }
  EXPECT_FALSE(mainMenu->OwnerDraw());
  EXPECT_FALSE(popupMenu->OwnerDraw());
}

TEST_F(SkinMenus, APainterThatGoesTakesItsHandlersWithIt) {
  {
    const auto gone = NewPainter();
    gone->HookPopupMenu(popupMenu, true);
    gone->PrepareItem(items["File"], true);
    delete items["Copy"];  // freed while it carries the painter's handlers
    items.erase("Copy");
  }
  ExpectHandlers("Cut=app/- Sub=-/- Deep=-/- File=-/- Edit=app/-", "after the painter");
}

}  // namespace
