// The skin manager: folders, activation and removal, the one registered manager, and the
// kit messages it sends to the forms' controls and frame painters.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "framework/controls/GraphicControl.h"
#include "framework/description/DescriptionReader.h"
#include "framework/forms/Menus.h"
#include "skinengine/controls/sSkinMenus.h"
#include "tests/skinengine/skin/SkinDataTestSupport.h"

namespace {

using namespace sSkinManager;
using skintests::Log;
using skintests::TFrameProbe;
using skintests::TKitProbe;

TEST(SkinFolders, RelativeFoldersLieUnderTheProgramFolder) {
  const std::string program = ProgramFolder();
  ASSERT_TRUE(program.ends_with('/'));
  EXPECT_EQ(ResolveSkinDirectory("skins"), program + "skins/");
  EXPECT_EQ(ResolveSkinDirectory(".\\skins"), program + "skins/");
  EXPECT_EQ(ResolveSkinDirectory("./skins\\"), program + "skins/");
  EXPECT_EQ(ResolveSkinDirectory(""), program);
  EXPECT_EQ(ResolveSkinDirectory("c:\\Skins/"), "c:/Skins/");
  EXPECT_EQ(ResolveSkinDirectory("/opt/skins"), "/opt/skins/");
}

TEST(SkinFolders, TrailingSlashRules) {
  EXPECT_EQ(IncludeTrailingSlash(""), "");
  EXPECT_EQ(IncludeTrailingSlash("d"), "d:/") << "a bare drive letter";
  EXPECT_EQ(IncludeTrailingSlash("a\\b\\"), "a/b/");
  EXPECT_EQ(IncludeTrailingSlash("a/b"), "a/b/");
}

// A form that logs the kit messages sent to it.
class TLogForm : public framework::TForm {
 public:
  TLogForm(framework::TComponent* owner, Log* log) : TForm(owner), log_(log) {}

 protected:
  void WndProc(platform::TMessage& message) override {
    if (skintests::IsKitMessage(message.Msg))
      log_->push_back(skintests::Entry("Form", message.Msg));
    TForm::WndProc(message);
  }

 private:
  Log* log_;
};

class SkinManager : public ::testing::Test {
 protected:
  // A manager on the form with a stored skin "S" holding a section and an image.
  TsSkinManager* NewManager() {
    auto* manager = new TsSkinManager(form);
    TsStoredSkin& skin = *manager->InternalSkins()->Add();
    skin.SetName("S");
    skin.GeneralData()->Add()->Values().SectionName = "TsEdit";
    TsSkinImage& image = *skin.Images()->Add();
    image.SetSectionName("TsEdit");
    image.SetPropertyName("BordersMask");
    image.Image()->Data() = skintests::Picture(3, 2, platform::clRed);
    return manager;
  }

  template <class C>
  C* Probe(framework::TComponent* owner, const char* name) {
    auto* probe = new C(owner, &log);
    probe->SetName(name);
    return probe;
  }

  const std::vector<platform::DialogRecord>& Dialogs() { return session.Backend().Dialogs(); }

  // Registers the skinned menu painter, as the program does at start-up.
  const framework::TClassRegistry& classes = skintests::SkinClasses();
  skintests::SkinStateReset reset;
  platform::HeadlessSession session;
  Log log;  // outlives the forms, which are told of the skin's removal when freed
  framework::TApplication app;
  TLogForm* form = app.CreateForm<TLogForm>(&log);
};

TEST_F(SkinManager, TheSkinLoadedNoticeReachesWindowedControlsAndFramePaintersInOwnershipOrder) {
  auto* a = Probe<TKitProbe>(form, "A");
  new framework::TGraphicControl(form);
  Probe<TKitProbe>(a, "A1");
  Probe<TFrameProbe>(form, "Frame");
  Probe<TKitProbe>(form, "B");
  Probe<TKitProbe>(app.CreateForm<framework::TForm>(), "OnSecondForm");
  TsSkinManager* manager = NewManager();

  manager->SetSkinName("S");
  EXPECT_EQ(log, (Log{"A:A402", "A1:A402", "Frame:A402", "B:A402", "OnSecondForm:A402"}))
      << "the form itself is not told";
  const platform::TMessage& notice = a->Received.at(0);
  EXPECT_EQ(notice.WParam, 0u) << "the group index";
  EXPECT_EQ(notice.LParam, reinterpret_cast<platform::LPARAM>(manager));

  log.clear();
  delete manager;
  EXPECT_EQ(log, (Log{"A:A403", "A1:A403", "Frame:A403", "B:A403", "OnSecondForm:A403"}));
  EXPECT_EQ(SkinData().ActiveManager, nullptr);
}

// A control that notes the state of the lists when a notice comes.
class TStateProbe : public TKitProbe {
 public:
  using TKitProbe::TKitProbe;
  bool Loaded = false;
  int Section = -1;
  std::size_t Images = 0;

 protected:
  void WndProc(platform::TMessage& message) override {
    if (message.Msg == sMessages::SM_SKINLOADED || message.Msg == sMessages::SM_SKINREMOVED) {
      Loaded = SkinLoaded();
      Section = FindSectionIndex("tsedit");
      Images = SkinImages().size();
    }
    TKitProbe::WndProc(message);
  }
};

TEST_F(SkinManager, TheListsAreFilledBeforeTheLoadedNoticeAndEmptiedAfterTheRemovedOne) {
  auto* probe = Probe<TStateProbe>(form, "Probe");
  TsSkinManager* manager = NewManager();
  manager->SetSkinName("S");
  EXPECT_TRUE(probe->Loaded);
  EXPECT_EQ(probe->Section, 0);
  EXPECT_EQ(probe->Images, 1u);
  EXPECT_TRUE(SkinData().Active);

  manager->SetActive(false);
  EXPECT_FALSE(probe->Loaded);
  EXPECT_EQ(probe->Section, -1) << "lookups fail at once";
  EXPECT_EQ(probe->Images, 1u) << "the images go after the notice";
  EXPECT_TRUE(SkinImages().empty());
  EXPECT_EQ(SkinSections().size(), 1u) << "sections stay, out of reach";
  EXPECT_FALSE(SkinData().Active);
}

TEST_F(SkinManager, AnInactiveManagerOnlyStoresTheNameUntilActivated) {
  auto* probe = Probe<TKitProbe>(form, "Probe");
  TsSkinManager* manager = NewManager();
  manager->SetActive(false);
  log.clear();
  manager->SetSkinName("S");
  EXPECT_EQ(manager->SkinName(), "S");
  EXPECT_FALSE(SkinLoaded());
  EXPECT_TRUE(log.empty());

  manager->SetActive(true);
  EXPECT_TRUE(SkinLoaded());
  EXPECT_EQ(FindSectionIndex("TsEdit"), 0);
  EXPECT_EQ(probe->Received.back().Msg, sMessages::SM_SKINLOADED);
}

TEST_F(SkinManager, AnEmptySkinNameEmptiesTheDirectoryToo) {
  TsSkinManager* manager = NewManager();
  manager->SetSkinDirectory("/nowhere/skins");
  EXPECT_EQ(SkinData().SkinPath, "/nowhere/skins/") << "resolved, nothing loaded";
  EXPECT_FALSE(SkinLoaded());
  manager->SetSkinName("");
  EXPECT_EQ(manager->SkinDirectory(), "");
  EXPECT_TRUE(SkinLoaded()) << "an activation without a skin still completes";
  EXPECT_EQ(SkinData().SkinPath, "");
}

TEST_F(SkinManager, ASecondManagerIsWarnedAboutAndStaysInert) {
  auto* probe = Probe<TKitProbe>(form, "Probe");
  TsSkinManager* first = NewManager();
  EXPECT_TRUE(Dialogs().empty());
  TsSkinManager* second = NewManager();
  ASSERT_EQ(Dialogs().size(), 1u);
  EXPECT_EQ(Dialogs()[0].Box.Kind, platform::MessageBoxKind::Warning);
  EXPECT_EQ(Dialogs()[0].Box.Text, SecondManagerWarning);
  EXPECT_TRUE(first->Registered());
  EXPECT_FALSE(second->Registered());

  second->SetSkinName("S");
  second->SetActive(false);
  second->SetSkinDirectory("/elsewhere");
  EXPECT_FALSE(SkinLoaded());
  EXPECT_TRUE(probe->Received.empty());
  delete second;
  EXPECT_TRUE(probe->Received.empty());
  EXPECT_TRUE(first->Registered());
}

TEST_F(SkinManager, AfterTheRegisteredManagerIsFreedANewOneRegistersQuietly) {
  delete NewManager();
  EXPECT_EQ(SkinData().ActiveManager, nullptr);
  TsSkinManager* next = NewManager();
  EXPECT_TRUE(next->Registered());
  EXPECT_TRUE(Dialogs().empty());
}

TEST_F(SkinManager, StyleQuestionsGoToControlsOnly) {
  auto* probe = Probe<TKitProbe>(form, "Probe");
  auto* graphic = new framework::TGraphicControl(form);
  TsSkinManager* manager = NewManager();
  EXPECT_EQ(SkinStyleOf(probe), probe);
  EXPECT_EQ(IsSkinnedControl(probe), 7);
  EXPECT_EQ(SkinStyleOf(graphic), nullptr) << "a plain control does not answer";
  EXPECT_EQ(IsSkinnedControl(graphic), 0) << "not windowed";
  EXPECT_EQ(SkinStyleOf(manager), nullptr) << "not a control";
  EXPECT_EQ(IsSkinnedControl(nullptr), 0);
}

TEST_F(SkinManager, MainMenusOfTheOwnerAreTakenOverAndLetGo) {
  TsSkinManager* manager = NewManager();
  auto* menu = new framework::TMainMenu(nullptr);
  form->InsertComponent(menu);
  EXPECT_TRUE(menu->OwnerDraw());
  EXPECT_EQ(manager->SkinableMenus()->Manager(), manager);
  form->RemoveComponent(menu);
  EXPECT_FALSE(menu->OwnerDraw());
  delete menu;
}

TEST_F(SkinManager, WithoutARegisteredMenuPainterMenusAreLeftAlone) {
  RegisterMenuPainter(nullptr);
  TsSkinManager* manager = NewManager();
  framework::TClassRegistry again;
  sControlClasses::RegisterSkinControlClasses(again);  // for the managers after this one
  EXPECT_EQ(manager->SkinableMenus(), nullptr);
  auto* menu = new framework::TMainMenu(nullptr);
  form->InsertComponent(menu);
  EXPECT_FALSE(menu->OwnerDraw());
  form->RemoveComponent(menu);
  delete menu;
}

constexpr const char* StreamedForm = R"(object Form1: TForm
  object Early: TKitProbe
  end
  object Manager: TsSkinManager
    InternalSkins = <
      item
        Name = 'S'
        GeneralData = <
          item
            SectionName = 'TsEdit'
          end>
      end>
    SkinDirectory = 'c:\Skins'
    SkinName = 'S'
  end
  object Late: TKitProbe
  end
end
)";

framework::TClassRegistry ProbeClasses() {
  framework::TClassRegistry classes = skintests::SkinClasses();
  classes.Register(TKitProbe::StaticClassInfo());
  return classes;
}

TEST_F(SkinManager, AStreamedSkinActivatesWhileTheFormIsRead) {
  framework::ReadDescription(StreamedForm, *form, ProbeClasses());
  auto* early = dynamic_cast<TKitProbe*>(form->FindComponent("Early"));
  auto* late = dynamic_cast<TKitProbe*>(form->FindComponent("Late"));
  ASSERT_TRUE(early && late);
  ASSERT_EQ(early->Received.size(), 1u);
  EXPECT_EQ(early->Received[0].Msg, sMessages::SM_SKINLOADED);
  EXPECT_TRUE(early->Loading) << "told while the description was being read";
  EXPECT_TRUE(late->Received.empty()) << "made after the notice";
  EXPECT_EQ(FindSectionIndex("TsEdit"), 0);
  EXPECT_FALSE(SkinData().Ini) << "the designer's folder does not exist here";
}

TEST_F(SkinManager, ActiveFalseInAStreamClearsTheFlagAndSendsNothing) {
  Probe<TKitProbe>(form, "Probe");
  TsSkinManager manager(nullptr);
  SkinData().Active = true;
  framework::ReadDescription(R"(object Manager: TsSkinManager
  Active = False
  SkinName = 'S'
end)",
                             manager, ProbeClasses());
  EXPECT_FALSE(SkinData().Active);
  EXPECT_FALSE(SkinLoaded());
  EXPECT_TRUE(log.empty());
  EXPECT_EQ(manager.SkinName(), "S");
}

}  // namespace
