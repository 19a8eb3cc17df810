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

TEST(Component, OwnerFreesWhatItOwnsLastCreatedFirst) {
  std::vector<std::string> log;
  auto owner = std::make_unique<TComponent>(nullptr);
  new TProbe(owner.get(), "A", log);
  auto* b = new TProbe(owner.get(), "B", log);
  new TProbe(b, "B1", log);
  new TProbe(owner.get(), "C", log);
  ASSERT_EQ(owner->ComponentCount(), 3);
  log.clear();
  owner.reset();

  std::vector<std::string> frees;
  for (const std::string& line : log)
    if (line.starts_with("free")) frees.push_back(line);
  // B's own destructor runs before its base part frees B1.
  EXPECT_EQ(frees, (std::vector<std::string>{"free C", "free B", "free B1", "free A"}));
}

TEST(Component, FreeingAComponentClearsEveryReferenceToIt) {
  std::vector<std::string> log;
  TSampleForm formA(nullptr);
  auto formB = std::make_unique<TSampleForm>(nullptr);
  auto* sibling = new TProbe(&formA, "Sibling", log);
  auto* stranger = new TProbe(formB.get(), "Stranger", log);
  auto* target = new TProbe(&formA, "Button", log);
  EXPECT_EQ(formA.Button, target) << "the form's field of the same name";
  sibling->SetFocusControl(target);   // same owner: the owner tells
  stranger->SetFocusControl(target);  // other owner: free notification

  delete target;
  EXPECT_EQ(sibling->FocusControl(), nullptr);
  EXPECT_EQ(stranger->FocusControl(), nullptr);
  EXPECT_EQ(formA.Button, nullptr);
  EXPECT_EQ(formA.ComponentCount(), 1);

  // A reference to a component of another owner that goes first.
  auto* late = new TProbe(&formA, "Late", log);
  late->SetFocusControl(stranger);
  formB.reset();
  EXPECT_EQ(late->FocusControl(), nullptr);
}

TEST(Component, FreeingTheOwnerClearsReferencesBetweenItsComponents) {
  std::vector<std::string> log;
  auto form = std::make_unique<TSampleForm>(nullptr);
  auto* first = new TProbe(form.get(), "First", log);
  auto* second = new TProbe(form.get(), "Second", log);
  second->SetFocusControl(first);
  first->SetFocusControl(second);
  log.clear();
  form.reset();  // Second goes first; First must no longer see it.
  EXPECT_EQ(log.back(), "free First");
  EXPECT_NE(std::find(log.begin(), log.end(), "free Second focus First"), log.end());
}

TEST(Component, RemovedFreeNotificationIsNotSent) {
  std::vector<std::string> log;
  TSampleForm a(nullptr), b(nullptr);
  auto* watcher = new TProbe(&a, "Watcher", log);
  auto* target = new TProbe(&b, "Target", log);
  watcher->FreeNotification(target);
  watcher->RemoveFreeNotification(target);
  log.clear();
  delete target;
  EXPECT_EQ(std::count(log.begin(), log.end(), "Watcher heard remove"), 0);
}

TEST(Component, OwnerPassesInsertionAndRemovalToItsComponents) {
  std::vector<std::string> log;
  TComponent owner(nullptr);
  new TProbe(&owner, "Old", log);
  log.clear();
  auto* added = new TComponent(&owner);
  EXPECT_EQ(log, (std::vector<std::string>{"Old heard insert"}));
  log.clear();
  delete added;
  EXPECT_EQ(log, (std::vector<std::string>{"Old heard remove"}));
}

TEST(Component, NamesAreIdentifiersUniqueAmongTheOwnersComponents) {
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

TEST(Component, PublishedFieldFollowsRenamesAndRefusesAnotherClass) {
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

TEST(Component, InsertMovesBetweenOwnersAndRefusesCycles) {
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

TEST(Component, DesigningReachesOwnedAndLaterInsertedComponents) {
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
