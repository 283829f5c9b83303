// Map objects and their display lists: placement, what the lists draw, lists
// in both windows and cities that need more lists than one block of names.

#include "city/Building.h"
#include "city/MapObject.h"
#include "city/Park.h"
#include "city/Tile.h"
#include "shell/Globals.h"
#include "shell/Settings.h"
#include "support/GlContext.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <vector>

namespace {

// Counts the polygons a list draws, through GL's feedback mode, in a view
// that shows the whole unit cube.
int PolygonsDrawnBy(const MapObject& object) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-0.5, 1.5, -0.5, 1.5, -10.0, 10.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glDisable(GL_CULL_FACE);
    std::vector<GLfloat> buffer(100000);
    glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_3D, buffer.data());
    glRenderMode(GL_FEEDBACK);
    glCallList(displayListTable.ListFor(object.GetListNumber()));
    const GLint used = glRenderMode(GL_RENDER);
    int polygons = 0;
    for (GLint i = 0; i < used;) {
        const GLint token = static_cast<GLint>(buffer[i]);
        if (token != GL_POLYGON_TOKEN) {
            ADD_FAILURE() << "unexpected feedback token " << token;
            break;
        }
        const GLint vertices = static_cast<GLint>(buffer[i + 1]);
        ++polygons;
        i += 2 + 3 * vertices;
    }
    glDisable(GL_CULL_FACE);
    return polygons;
}

template <typename T>
std::unique_ptr<T> MakeObject(const float x0, const float y0, const float x1, const float y1,
                              const float top) {
    auto object = std::make_unique<T>();
    object->SetExtent(x0, y0, x1, y1);
    object->SetHeight(top);
    object->SetListNumber(displayListTable.NextListIndex());
    return object;
}

// Lists turn face culling on; other tests expect GL's defaults.
class MapObjectTest : public GlTest {
protected:
    void TearDown() override { glDisable(GL_CULL_FACE); }
};

} // namespace

TEST_F(MapObjectTest, SecondSetupCompilesAgainButPlacesOnce) {
    auto building = MakeObject<Building>(200.0f, 300.0f, 400.0f, 700.0f, 550.0f);
    building->SetupDisplaylist();
    building->SetupDisplaylist();
    const Matrix& m = building->GetModelMatrix();
    EXPECT_FLOAT_EQ(m.Get(0, 0), 200.0f);
    EXPECT_FLOAT_EQ(m.Get(1, 1), 400.0f);
    EXPECT_FLOAT_EQ(m.Get(2, 2), 550.0f);
    EXPECT_FLOAT_EQ(m.Get(0, 3), 200.0f);
    EXPECT_FLOAT_EQ(m.Get(1, 3), 300.0f);
    EXPECT_FLOAT_EQ(m.Get(2, 3), 0.0f);
    EXPECT_TRUE(glIsList(displayListTable.ListFor(building->GetListNumber())));
}

TEST_F(MapObjectTest, ParkWithoutTreesIsOnlyItsGrass) {
    const Settings saved = settings;
    settings.fastComputer = 0; // no culling, so every face is counted
    settings.showTrees = 0;
    auto bare = MakeObject<Park>(0.0f, 0.0f, 400.0f, 400.0f, 100.0f);
    std::srand(7);
    bare->SetupDisplaylist();
    const int firstDraw = std::rand();
    std::srand(7);
    EXPECT_EQ(firstDraw, std::rand()); // no tree was even considered
    // Exactly what a plain tile draws (GL may split the quad).
    auto tile = MakeObject<Tile>(0.0f, 0.0f, 400.0f, 400.0f, 0.0f);
    tile->SetupDisplaylist();
    const int quad = PolygonsDrawnBy(*tile);
    EXPECT_GE(quad, 1);
    EXPECT_EQ(PolygonsDrawnBy(*bare), quad);

    settings.showTrees = 1;
    auto wooded = MakeObject<Park>(0.0f, 0.0f, 400.0f, 400.0f, 100.0f);
    std::srand(7);
    wooded->SetupDisplaylist();
    // At least three trees of a cube and a sphere each, over the grass.
    EXPECT_GT(PolygonsDrawnBy(*wooded), quad + 3 * 6);
    settings = saved;
}

TEST_F(MapObjectTest, BaseMapObjectOnlyReportsTheCall) {
    struct Plain : MapObject {};
    Plain plain;
    testing::internal::CaptureStdout();
    plain.SetupDisplaylist();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "MapObject::SetupDisplaylist got called!\n");
}

TEST_F(MapObjectTest, EveryObjectHasAListInBothWindowsBeyondOneBlock) {
    const int mainWindow = glutGetWindow();
    displayListTable.SetWindowId(0, mainWindow);
    displayListTable.SelectWindow(0);

    std::vector<std::unique_ptr<MapObject>> objects;
    // More objects than one block of names holds, so they cross a block.
    for (uint32_t i = 0; i < DisplayListTable::listsPerBlock + 300; ++i) {
        objects.push_back(MakeObject<Tile>(0.0f, 0.0f, 100.0f, 100.0f, 0.0f));
        objects.back()->SetupDisplaylist();
    }
    for (const auto& object : objects) {
        ASSERT_TRUE(glIsList(displayListTable.ListFor(object->GetListNumber())))
            << "index " << object->GetListNumber();
    }

    // The second view: a window of its own, with its own context and names.
    const int secondWindow = glutCreateWindow("second view");
    glutHideWindow();
    displayListTable.SetWindowId(1, secondWindow);
    displayListTable.SelectWindow(1);
    for (const auto& object : objects) {
        object->SetupDisplaylist();
    }
    EXPECT_EQ(objects[0]->GetModelMatrix().Get(0, 0), 100.0f); // still placed once
    for (const auto& object : objects) {
        ASSERT_TRUE(glIsList(displayListTable.ListFor(object->GetListNumber())))
            << "second window, index " << object->GetListNumber();
    }

    // Deleting an object removes its list in the window that is current.
    const GLuint firstInSecond = displayListTable.ListFor(objects[0]->GetListNumber());
    objects.erase(objects.begin());
    EXPECT_FALSE(glIsList(firstInSecond));

    glutDestroyWindow(secondWindow);
    displayListTable.SetWindowId(1, -1);
    displayListTable.SelectWindow(0);
    for (const auto& object : objects) {
        ASSERT_TRUE(glIsList(displayListTable.ListFor(object->GetListNumber())));
    }
    const GLuint lastInMain = displayListTable.ListFor(objects.back()->GetListNumber());
    objects.clear();
    EXPECT_FALSE(glIsList(lastInMain));
}
