#include "framework/classes/ClassInfo.h"

#include <gtest/gtest.h>

#include "framework/classes/ClassRegistry.h"
#include "framework/runtime/Exceptions.h"
#include "tests/framework/SampleClasses.h"
#include "tests/framework/Thrown.h"

namespace framework {
namespace {

using namespace sample;

std::vector<std::string> Names(const TClassInfo& info) {
  std::vector<std::string> names;
  for (const TPropInfo& p : info.Properties()) names.push_back(p.Name);
  return names;
}

TEST(ClassInfo, InheritedPropertiesComeFirstAndARepublishedOneKeepsItsPlace) {
  EXPECT_EQ(Names(TSampleStyle::StaticClassInfo()),
            (std::vector<std::string>{"OnMouseEnter", "SoftControl", "GroupIndex", "SkinSection",
                                      "Painting"}));
  EXPECT_EQ(Names(TSamplePaintStyle::StaticClassInfo()),
            (std::vector<std::string>{"OnMouseEnter", "SoftControl", "GroupIndex", "SkinSection",
                                      "Painting", "Percent"}));
  EXPECT_EQ(Names(TSampleControl::StaticClassInfo()).front(), "Tag");

  TSamplePaintStyle style;
  const TPropInfo* groupIndex = style.ClassInfo().FindProperty("groupindex");
  ASSERT_NE(groupIndex, nullptr);
  groupIndex->Set(style, std::int64_t{4});
  EXPECT_EQ(style.PaintGroupIndex(), 4);
  EXPECT_EQ(style.GroupIndex(), 0);
  // The base class's list is unchanged.
  TSampleStyle::StaticClassInfo().FindProperty("GroupIndex")->Set(style, std::int64_t{9});
  EXPECT_EQ(style.GroupIndex(), 9);
}

TEST(ClassInfo, SettersRefuseValuesOutsideTheirType) {
  TSampleControl control(nullptr);
  TSampleGrid grid(nullptr);
  const auto set = [](TPersistent& object, const char* name, std::int64_t value) {
    object.ClassInfo().FindProperty(name)->Set(object, value);
  };
  EXPECT_THROW(set(control, "FontStyle", 16), EConvertError);  // 1 << 4: past the 4 styles
  EXPECT_THROW(set(control, "Left", std::int64_t{1} << 40), EConvertError);
  EXPECT_THROW(set(grid, "UIStyle", 2), EConvertError);  // past the 2 styles
  EXPECT_THROW(set(grid, "UIStyle", -1), EConvertError);
  set(control, "Visible", 0);
  EXPECT_FALSE(control.Visible());
}

TEST(ClassInfo, FactoriesExistForConcreteComponentsAndItems) {
  EXPECT_TRUE(TSampleControl::StaticClassInfo().CanCreateComponent());
  EXPECT_FALSE(TSampleControl::StaticClassInfo().CanCreateItem());
  EXPECT_FALSE(TSamplePainting::StaticClassInfo().CanCreateComponent());
  EXPECT_TRUE(TSampleImage::StaticClassInfo().CanCreateItem());
  EXPECT_TRUE(TSampleImage::StaticClassInfo().InheritsFrom(TPersistent::StaticClassInfo()));
  EXPECT_FALSE(TPersistent::StaticClassInfo().InheritsFrom(TSampleImage::StaticClassInfo()));

  TComponent owner(nullptr);
  TComponent* created = TSampleGrid::StaticClassInfo().CreateComponent(&owner);
  EXPECT_EQ(created->ClassName(), "TSampleGrid");
  EXPECT_EQ(created->Owner(), &owner);
}

TEST(ClassInfo, MethodsAreFoundByNameAndByTheHandlerBoundToThem) {
  TSampleForm form(nullptr);
  const TClassInfo& info = form.ClassInfo();
  const TMethodInfo* click = info.FindMethod("BUTTONCLICK");
  ASSERT_NE(click, nullptr);
  const std::any bound = click->Bind(form);
  EXPECT_EQ(info.FindMethodOf(bound, form), click);
  TSampleForm other(nullptr);
  EXPECT_EQ(info.FindMethodOf(bound, other), nullptr) << "bound to another instance";
  EXPECT_EQ(info.FindMethodOf(std::any(TNotifyEvent([](TObject*) {})), form), nullptr);
}

TEST(ClassRegistry, FindsByNameAndRefusesASecondClassOfTheSameName) {
  TClassRegistry registry;
  registry.Register(TSampleGrid::StaticClassInfo());
  registry.Register(TSampleGrid::StaticClassInfo());
  EXPECT_EQ(registry.Find("tsamplegrid"), &TSampleGrid::StaticClassInfo());
  EXPECT_EQ(registry.Find("TSampleControl"), nullptr);
  static const TClassInfo impostor = TClassBuilder<TComponent, TPersistent>("TSampleGrid").Build();
  EXPECT_THROW(registry.Register(impostor), EComponentError);
}

TEST(Collection, ItemsEnterAndLeaveTheirCollection) {
  TCollection images(TSampleImage::StaticClassInfo(), nullptr);
  auto* first = images.Add();
  auto* second = images.Add();
  EXPECT_EQ(second->Index(), 1);
  EXPECT_EQ(second->Collection(), &images);
  delete first;
  EXPECT_EQ(images.Count(), 1);
  EXPECT_EQ(second->Index(), 0);
  EXPECT_THROW(images.Items(1), EListError);
  images.Delete(0);
  EXPECT_EQ(images.Count(), 0);
}

TEST(Collection, AssigningCopiesThroughTheItemsOrFails) {
  TCollection source(TSampleImage::StaticClassInfo(), nullptr);
  TCollection target(TSampleImage::StaticClassInfo(), nullptr);
  target.Add();
  target.Assign(&source);
  EXPECT_EQ(target.Count(), 0) << "an empty source empties the target";
  source.Add();
  EXPECT_EQ(testing::ThrownMessage<EConvertError>([&] { target.Assign(&source); }),
            "Cannot assign a TSampleImage to a TSampleImage");
  TStringList list;
  EXPECT_THROW(target.Assign(&list), EConvertError);
  EXPECT_THROW(target.Assign(nullptr), EConvertError);
}

}  // namespace
}  // namespace framework
