#include "shell/DisplayListTable.h"
#include "support/GlContext.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <set>

namespace {

class DisplayListTableTest : public GlTest {};

// Compiles an empty list under the name and says whether GL now knows it.
bool Compiles(const uint32_t name) {
    glNewList(name, GL_COMPILE);
    glEndList();
    return glGetError() == GL_NO_ERROR && glIsList(name) == GL_TRUE;
}

TEST_F(DisplayListTableTest, HandsOutIndicesFromOneWithANameEachPastTheFirstBlock) {
    const int window = glutGetWindow();
    DisplayListTable table;
    table.SetWindowId(0, window);
    table.GenerateLists();
    table.SelectWindow(0);
    EXPECT_EQ(table.ListFor(1) + 1, table.ListFor(2)) << "a block is consecutive";
    EXPECT_NE(table.ListFor(1), 0u);

    constexpr uint32_t count = 2 * DisplayListTable::listsPerBlock + 10;
    std::set<uint32_t> names;
    for (uint32_t i = 1; i <= count; ++i) {
        ASSERT_EQ(table.NextListIndex(), i);
        names.insert(table.ListFor(i));
    }
    EXPECT_EQ(names.size(), count) << "every index its own name";
    EXPECT_EQ(names.count(0u), 0u);
    EXPECT_TRUE(Compiles(table.ListFor(1)));
    EXPECT_TRUE(Compiles(table.ListFor(1999)));
    EXPECT_TRUE(Compiles(table.ListFor(2000)));
    EXPECT_TRUE(Compiles(table.ListFor(count)));
    EXPECT_EQ(table.ListFor(count + DisplayListTable::listsPerBlock), 0u) << "not handed out";
    EXPECT_EQ(glutGetWindow(), window);
}

TEST_F(DisplayListTableTest, EachWindowHasItsOwnNames) {
    const int mainWindow = glutGetWindow();
    DisplayListTable table;
    table.SetWindowId(0, mainWindow);
    table.GenerateLists();
    for (int i = 0; i < 2100; ++i) {
        table.NextListIndex();
    }
    const uint32_t mainName = table.ListFor(2050);

    const int second = glutCreateWindow("second view");
    glutDisplayFunc([] {});
    table.SetWindowId(1, second);
    table.SelectWindow(1);
    EXPECT_EQ(table.GetCurrent(), 1);
    EXPECT_EQ(glutGetWindow(), second);
    // The new window gets names for every index handed out before it opened.
    EXPECT_NE(table.ListFor(2050), 0u);
    EXPECT_TRUE(Compiles(table.ListFor(2050)));
    EXPECT_TRUE(Compiles(table.ListFor(1)));

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

} // namespace
