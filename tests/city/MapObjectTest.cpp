// Map objects and their display lists: placement, what the lists draw, lists
// in both windows and cities that need more lists than one block of names.

#include "city/MapObject.h"
#include "base/Settings.h"
#include "city/Building.h"
#include "city/Park.h"
#include "city/Tile.h"
#include "game/Globals.h"
#include "support/Feedback.h"
#include "support/GlContext.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

// Lists turn face culling on; other tests expect GL's defaults.
class MapObjectTest : public GlTest {
protected:
    void TearDown() override {
        glDisable(GL_CULL_FACE);
        settings = saved;
    }

    template <typename T> static std::unique_ptr<T> Make(const float size, const float top) {
        auto object = std::make_unique<T>();
        object->SetExtent(0.0f, 0.0f, size, size);
        object->SetHeight(top);
        object->SetListNumber(displayListTable.NextListIndex());
        object->SetupDisplaylist();
        return object;
    }

    // The polygons a list draws, in a view that shows the whole unit cube.
    static size_t PolygonsDrawnBy(const MapObject& object) {
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(-0.5, 1.5, -0.5, 1.5, -10.0, 10.0);
        glMatrixMode(GL_MODELVIEW);
        glDisable(GL_CULL_FACE);
        const auto drawn =
            Record([&object] { glCallList(displayListTable.ListFor(object.GetListNumber())); });
        EXPECT_EQ(Feedback::OfKind(drawn, GL_POLYGON_TOKEN).size(), drawn.size());
        return drawn.size();
    }

    static bool HasList(const MapObject& object) {
        return glIsList(displayListTable.ListFor(object.GetListNumber())) == GL_TRUE;
    }

    Settings saved = settings;
};

} // namespace

TEST_F(MapObjectTest, SecondSetupCompilesAgainButPlacesOnceAndTheBaseOnlyReports) {
    auto building = Make<Building>(200.0f, 550.0f);
    building->SetupDisplaylist(); // a second placement would scale by 200 again
    const Matrix& m = building->GetModelMatrix();
    EXPECT_EQ((std::array<float, 3>{m.Get(0, 0), m.Get(1, 1), m.Get(2, 2)}),
              (std::array<float, 3>{200.0f, 200.0f, 550.0f}));
    EXPECT_TRUE(HasList(*building));

    struct Plain : MapObject {};
    Plain plain;
    testing::internal::CaptureStdout();
    plain.SetupDisplaylist();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "MapObject::SetupDisplaylist got called!\n");
}

TEST_F(MapObjectTest, ParkWithoutTreesIsOnlyItsGrass) {
    settings.fastComputer = 0; // no culling, so every face is counted
    settings.showTrees = 0;
    std::srand(7);
    auto bare = Make<Park>(400.0f, 100.0f);
    const int nextDraw = std::rand();
    std::srand(7);
    EXPECT_EQ(nextDraw, std::rand()) << "no tree was even considered";
    // Exactly what a plain tile draws (GL may split the quad).
    const size_t quad = PolygonsDrawnBy(*Make<Tile>(400.0f, 0.0f));
    EXPECT_GE(quad, 1u);
    EXPECT_EQ(PolygonsDrawnBy(*bare), quad);
    settings.showTrees = 1;
    // At least three trees of a cube and a sphere each, over the grass.
    EXPECT_GT(PolygonsDrawnBy(*Make<Park>(400.0f, 100.0f)), quad + 3 * 6);
}

TEST_F(MapObjectTest, EveryObjectHasAListInBothWindowsBeyondOneBlock) {
    const int mainWindow = glutGetWindow();
    displayListTable.SetWindowId(0, mainWindow);
    displayListTable.SelectWindow(0);
    // More objects than one block of names holds, so they cross a block.
    std::vector<std::unique_ptr<MapObject>> objects;
    for (uint32_t i = 0; i < DisplayListTable::listsPerBlock + 300; ++i) {
        objects.push_back(Make<Tile>(100.0f, 0.0f));
        ASSERT_TRUE(HasList(*objects.back())) << "index " << objects.back()->GetListNumber();
    }
    // The second view: a window of its own, with its own context and names.
    const int secondWindow = glutCreateWindow("second view");
    glutHideWindow();
    displayListTable.SetWindowId(1, secondWindow);
    displayListTable.SelectWindow(1);
    for (const auto& object : objects) {
        object->SetupDisplaylist();
        ASSERT_TRUE(HasList(*object)) << "second window, index " << object->GetListNumber();
    }
    EXPECT_EQ(objects[0]->GetModelMatrix().Get(0, 0), 100.0f); // still placed once
    // Deleting an object removes its list in the window that is current.
    const GLuint firstInSecond = displayListTable.ListFor(objects[0]->GetListNumber());
    objects.erase(objects.begin());
    EXPECT_FALSE(glIsList(firstInSecond));

    glutDestroyWindow(secondWindow);
    displayListTable.SetWindowId(1, -1);
    displayListTable.SelectWindow(0);
    for (const auto& object : objects) {
        ASSERT_TRUE(HasList(*object));
    }
    const GLuint lastInMain = displayListTable.ListFor(objects.back()->GetListNumber());
    objects.clear();
    EXPECT_FALSE(glIsList(lastInMain));
}
