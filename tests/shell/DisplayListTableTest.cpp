#include "base/DisplayListTable.h"
#include "support/GlContext.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <set>

using DisplayListTableTest = GlTest;

// Indices are handed out from 1, each with a name that compiles, past the first
// block of names; a window opened later gets names for every index handed out
// before; a closed window has none and is never selected.
TEST_F(DisplayListTableTest, DisplayListTableHandsOutANameForEveryIndexInEachWindow) {
    const int mainWindow = glutGetWindow();
    DisplayListTable table;
    table.SetWindowId(0, mainWindow);
    table.GenerateLists();
    table.SelectWindow(0);
    constexpr uint32_t count = 2 * DisplayListTable::listsPerBlock + 10;
    std::set<uint32_t> names;
    for (uint32_t i = 1; i <= count; ++i) {
        ASSERT_EQ(table.NextListIndex(), i);
        names.insert(table.ListFor(i));
    }
    EXPECT_EQ(table.ListFor(1) + 1, table.ListFor(2)) << "a block is consecutive";
    EXPECT_EQ(names.size(), count);
    EXPECT_EQ(names.count(0u), 0u);
    EXPECT_EQ(table.ListFor(count + DisplayListTable::listsPerBlock), 0u) << "not handed out";
    const uint32_t mainName = table.ListFor(2050);
    const auto expectCompiles = [&table] {
        for (const uint32_t index : {1u, 1999u, 2000u, count}) {
            glNewList(table.ListFor(index), GL_COMPILE);
            glEndList();
            EXPECT_TRUE(glGetError() == GL_NO_ERROR && glIsList(table.ListFor(index))) << index;
        }
    };
    expectCompiles();

    const int second = glutCreateWindow("second view");
    glutDisplayFunc([] {});
    table.SetWindowId(1, second);
    table.SelectWindow(1);
    EXPECT_EQ(glutGetWindow(), second);
    expectCompiles();
    table.SelectWindow(0);
    EXPECT_EQ(glutGetWindow(), mainWindow);
    EXPECT_EQ(table.ListFor(2050), mainName);

    glutDestroyWindow(second);
    glutSetWindow(mainWindow);
    table.SetWindowId(1, -1);
    table.SelectWindow(1);
    EXPECT_EQ(table.ListFor(1), 0u) << "a closed window has no names";
    EXPECT_EQ(glutGetWindow(), mainWindow) << "a closed window is never selected";
    table.SelectWindow(0);
}
