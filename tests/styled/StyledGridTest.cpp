#include <gtest/gtest.h>

#include "framework/classes/ClassRegistry.h"
#include "framework/description/DescriptionReader.h"
#include "framework/forms/Application.h"
#include "framework/forms/FrameworkClasses.h"
#include "platform/headless/Headless.h"
#include "styled/suiClasses.h"
#include "styled/suiGrid.h"

namespace suiGrid {
namespace {

TEST(StyledGrid, ReadsFromADescriptionAsTheStringGridDoes) {
  platform::HeadlessSession session;
  framework::TApplication app;
  framework::TClassRegistry classes;
  framework::RegisterFrameworkClasses(classes);
  suiClasses::RegisterStyledClasses(classes);
  auto* form = app.CreateForm<framework::TForm>();
  framework::ReadDescription(
      "object Form: TForm\n  object SGInput: TsuiStringGrid\n    ColCount = 4\n"
      "    RowCount = 3\n    DefaultColWidth = 64\n  end\nend\n",
      *form, classes);
  auto* grid = dynamic_cast<TsuiStringGrid*>(form->FindComponent("SGInput"));
  ASSERT_NE(grid, nullptr);
  EXPECT_EQ(grid->ColCount(), 4);
  EXPECT_EQ(grid->RowCount(), 3);
}

}  // namespace
}  // namespace suiGrid
