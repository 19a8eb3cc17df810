#include "framework/classes/Component.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/runtime/Exceptions.h"
#include "tests/framework/SampleClasses.h"
#include "tests/framework/Thrown.h"

namespace framework {
namespace {

using sample::TSampleControl;
using sample::TSampleForm;

// Records what it is told and, when freed, its name and whether it was marked first.
class TProbe : public TSampleControl {
 public:
  TProbe(TComponent* owner, std::string name, std::vector<std::string>& log)
      : TSampleControl(owner), log_(log) {
    SetName(name);
  }
  ~TProbe() override {
    // Reading the reference proves it is either cleared or still alive.
    const std::string focus = FocusControl() ? " focus " + FocusControl()->Name() : "";
    log_.push_back("free " + Name() + focus +
                   (ComponentState().Contains(csDestroying) ? "" : " unmarked"));
  }

 protected:
  void Notification(TComponent* component, TOperation operation) override {
    TSampleControl::Notification(component, operation);
    log_.push_back(Name() + (operation == opInsert ? " heard insert" : " heard remove"));
  }

 private:
  std::vector<std::string>& log_;
};

class Component : public ::testing::Test {
 protected:
  TProbe* Probe(TComponent* owner, const char* name) { return new TProbe(owner, name, log); }
  std::vector<std::string> log;
};

TEST_F(Component, OwnerFreesWhatItOwnsLastCreatedFirst) {
  auto owner = std::make_unique<TComponent>(nullptr);
  Probe(owner.get(), "A");
  auto* b = Probe(owner.get(), "B");
  Probe(b, "B1");
  Probe(owner.get(), "C");
  ASSERT_EQ(owner->ComponentCount(), 3);
  log.clear();
  owner.reset();

  std::vector<std::string> frees;
  for (const std::string& line : log)
    if (line.starts_with("free")) frees.push_back(line);
  // B's own destructor runs before its base part frees B1.
  EXPECT_EQ(frees, (std::vector<std::string>{"free C", "free B", "free B1", "free A"}));
}

TEST_F(Component, FreeingAComponentClearsEveryReferenceToIt) {
  TSampleForm formA(nullptr);
  auto formB = std::make_unique<TSampleForm>(nullptr);
  auto* sibling = Probe(&formA, "Sibling");
  auto* stranger = Probe(formB.get(), "Stranger");
  auto* target = Probe(&formA, "Button");
  EXPECT_EQ(formA.Button, target) << "the form's field of the same name";
  sibling->SetFocusControl(target);   // same owner: the owner tells
  stranger->SetFocusControl(target);  // other owner: free notification

  delete target;
  EXPECT_EQ(sibling->FocusControl(), nullptr);
  EXPECT_EQ(stranger->FocusControl(), nullptr);
  EXPECT_EQ(formA.Button, nullptr);
  EXPECT_EQ(formA.ComponentCount(), 1);

  // A reference to a component of another owner that goes first.
  auto* late = Probe(&formA, "Late");
  late->SetFocusControl(stranger);
  formB.reset();
  EXPECT_EQ(late->FocusControl(), nullptr);
}

TEST_F(Component, FreeingTheOwnerClearsReferencesBetweenItsComponents) {
  auto form = std::make_unique<TSampleForm>(nullptr);
  auto* first = Probe(form.get(), "First");
  auto* second = Probe(form.get(), "Second");
  second->SetFocusControl(first);
  first->SetFocusControl(second);
  log.clear();
  form.reset();  // Second goes first; First must no longer see it.
  EXPECT_EQ(log.back(), "free First");
  EXPECT_NE(std::find(log.begin(), log.end(), "free Second focus First"), log.end());
}

TEST_F(Component, RemovedFreeNotificationIsNotSent) {
  TSampleForm a(nullptr), b(nullptr);
  auto* watcher = Probe(&a, "Watcher");
  auto* target = Probe(&b, "Target");
  watcher->FreeNotification(target);
  watcher->RemoveFreeNotification(target);
  log.clear();
  delete target;
  EXPECT_EQ(std::count(log.begin(), log.end(), "Watcher heard remove"), 0);
}

TEST_F(Component, OwnerPassesInsertionAndRemovalToItsComponents) {
  TComponent owner(nullptr);
  Probe(&owner, "Old");
  log.clear();
  auto* added = new TComponent(&owner);
  EXPECT_EQ(log, (std::vector<std::string>{"Old heard insert"}));
  log.clear();
  delete added;
  EXPECT_EQ(log, (std::vector<std::string>{"Old heard remove"}));
}

TEST_F(Component, NamesAreIdentifiersUniqueAmongTheOwnersComponents) {
  TSampleForm form(nullptr);
  auto* a = new TSampleControl(&form);
  auto* b = new TSampleControl(&form);
  a->SetName("Edit1");
  EXPECT_EQ(form.FindComponent("EDIT1"), a);
  EXPECT_EQ(form.FindComponent(""), nullptr);
  EXPECT_EQ(testing::ThrownMessage<EComponentError>([&] { b->SetName("edit1"); }),
            "A component named edit1 already exists");
  EXPECT_THROW(b->SetName("1abc"), EComponentError);
  EXPECT_THROW(b->SetName("a b"), EComponentError);
  EXPECT_EQ(b->Name(), "");
  a->SetName("EDIT1");  // a new spelling of its own name is no clash
  EXPECT_EQ(a->Name(), "EDIT1");
}

TEST_F(Component, PublishedFieldFollowsRenamesAndRefusesAnotherClass) {
  TSampleForm form(nullptr);
  auto* control = new TSampleControl(&form);
  control->SetName("Button");
  EXPECT_EQ(form.Button, control);
  control->SetName("Other");
  EXPECT_EQ(form.Button, nullptr);
  auto* plain = new TComponent(&form);
  EXPECT_THROW(plain->SetName("Button"), EComponentError) << "the field holds a TSampleControl";
  EXPECT_EQ(form.Button, nullptr);
}

TEST_F(Component, InsertMovesBetweenOwnersAndRefusesCycles) {
  TComponent first(nullptr), second(nullptr);
  auto* child = new TComponent(&first);
  auto* grandchild = new TComponent(child);
  second.InsertComponent(child);
  EXPECT_EQ(first.ComponentCount(), 0);
  EXPECT_EQ(child->Owner(), &second);
  EXPECT_EQ(child->ComponentIndex(), 0);
  EXPECT_THROW(grandchild->InsertComponent(child), EComponentError);
  EXPECT_THROW(child->InsertComponent(child), EComponentError);
  EXPECT_THROW(second.Components(1), EListError);

  auto* named = new TComponent(&first);
  named->SetName("X");
  auto* clash = new TComponent(&second);
  clash->SetName("x");
  EXPECT_THROW(second.InsertComponent(named), EComponentError);
  EXPECT_EQ(named->Owner(), &first) << "a refused move leaves it where it was";
}

TEST_F(Component, DesigningReachesOwnedAndLaterInsertedComponents) {
  TComponent owner(nullptr);
  auto* before = new TComponent(&owner);
  owner.SetDesigning(true);
  auto* after = new TComponent(&owner);
  EXPECT_TRUE(before->ComponentState().Contains(csDesigning));
  EXPECT_TRUE(after->ComponentState().Contains(csDesigning));
  owner.SetDesigning(false);
  EXPECT_FALSE(after->ComponentState().Contains(csDesigning));
}

}  // namespace
}  // namespace framework
