#include "menu/Menu.h"
#include "hud/Feedback.h"
#include "support/GlContext.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>

namespace {

int clicks = 0;
void CountClick() {
    ++clicks;
}

// Menus hit-test and set the cursor, which needs the test window.
class MenuTest : public GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        clicks = 0;
    }

    // One tick of a menu with the mouse at (x, y), released or not.
    static void Tick(Menu& menu, const float x, const float y, const int up) {
        menu.SetMousePosition(x, y);
        menu.SetMouseFlags(0, 0, up);
        menu.HandleMouse();
    }
};

TEST_F(MenuTest, ButtonsAreSizedFromTheirLabelAndStackedInAColumn) {
    Menu menu;
    for (const char* label : {"  START  ", " RESUME  ", " CONFIG  ", "  QUIT   "}) {
        ASSERT_NE(menu.AddButton(label, CountClick), nullptr);
    }
    menu.SetX(160);
    menu.SetY(150);
    const float expectedY[] = {160.0f, 191.0f, 222.0f, 253.0f};
    for (int i = 0; i < 4; ++i) {
        const MenuItem* item = menu.GetItem(i);
        EXPECT_FLOAT_EQ(item->GetWidth(), 76.0f);
        EXPECT_FLOAT_EQ(item->GetHeight(), 21.0f);
        EXPECT_FLOAT_EQ(item->GetX(), 170.0f);
        EXPECT_FLOAT_EQ(item->GetY(), expectedY[i]);
    }
    EXPECT_FLOAT_EQ(menu.GetHeight(), 134.0f);
    EXPECT_FLOAT_EQ(menu.GetWidth(), 800.0f);
    EXPECT_EQ(menu.GetItem(4), nullptr);
}

TEST_F(MenuTest, HitTestIsStrictAndFirstItemWins) {
    Menu menu;
    menu.AddButton("  START  ", CountClick)->SetToolTip("Start the game");
    menu.AddButton(" RESUME  ", nullptr);
    menu.SetX(160);
    menu.SetY(150);
    // The first button spans x 170..246 and y 160..181, edges excluded.
    for (const auto& [x, y] : {std::pair{170.0f, 170.0f}, std::pair{246.0f, 170.0f},
                               std::pair{200.0f, 160.0f}, std::pair{200.0f, 181.0f}}) {
        Tick(menu, x, y, 1);
        EXPECT_EQ(menu.GetItem(0)->GetState(), MenuItem::normal) << x << "," << y;
        EXPECT_STREQ(menu.GetToolTipLine(), "");
    }
    EXPECT_EQ(clicks, 0);

    Tick(menu, 171.0f, 161.0f, 0);
    EXPECT_EQ(menu.GetItem(0)->GetState(), MenuItem::highlighted);
    EXPECT_STREQ(menu.GetToolTipLine(), "Start the game");
    EXPECT_EQ(clicks, 0); // hovering is not clicking

    // Moved off, the hover state and the tooltip go with it.
    Tick(menu, 600.0f, 161.0f, 0);
    EXPECT_EQ(menu.GetItem(0)->GetState(), MenuItem::normal);
    EXPECT_STREQ(menu.GetToolTipLine(), "");

    // Two items on the same spot: the one added first takes the click.
    menu.GetItem(1)->SetPosition(170.0f, 160.0f);
    Tick(menu, 200.0f, 170.0f, 1);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(menu.GetItem(1)->GetState(), MenuItem::normal);

    // A button without a callback does nothing when clicked.
    Tick(menu, 200.0f, 200.0f, 1);
    menu.GetItem(1)->SetPosition(170.0f, 191.0f);
    Tick(menu, 200.0f, 200.0f, 1);
    EXPECT_EQ(menu.GetItem(1)->GetState(), MenuItem::highlighted);
    EXPECT_EQ(clicks, 1);
}

TEST_F(MenuTest, SliderStepsAtItsEndsOnlyAndKeepsItsSettingInRange) {
    Menu menu;
    uint16_t speed = 60;
    Slider* slider = menu.AddSlider("Game Speed", &speed);
    ASSERT_NE(slider, nullptr);
    menu.SetX(160);
    menu.SetY(150);
    menu.Show();
    menu.Draw(); // the label now shows the value and sizes the slider
    EXPECT_STREQ(slider->GetLabel(), "- | Game Speed: 60 | +");
    const float left = slider->GetX() + 1.0f;
    const float right = slider->GetX() + slider->GetWidth() - 1.0f;
    const float middle = slider->GetX() + slider->GetWidth() / 2.0f;
    const float y = slider->GetY() + 5.0f;

    Tick(menu, left, y, 1);
    EXPECT_EQ(speed, 59);
    Tick(menu, right, y, 1);
    Tick(menu, right, y, 1);
    EXPECT_EQ(speed, 61);
    Tick(menu, middle, y, 1);
    EXPECT_EQ(speed, 61);

    // With a minimum of 1 the speed never reaches 0; nor does it wrap past the top.
    slider->SetMinimum(1);
    speed = 1;
    Tick(menu, left, y, 1);
    EXPECT_EQ(speed, 1);
    speed = 65535;
    Tick(menu, right, y, 1);
    EXPECT_EQ(speed, 65535);

    // A signed setting without a minimum goes below zero.
    int32_t level = 0;
    Menu other;
    Slider* signedSlider = other.AddSlider("Level", &level);
    other.SetX(0);
    other.SetY(0);
    Tick(other, signedSlider->GetX() + 1.0f, signedSlider->GetY() + 5.0f, 1);
    EXPECT_EQ(level, -1);
}

TEST_F(MenuTest, CheckBoxSwitchesBetweenItsOnAndOffValues) {
    Menu menu;
    int32_t textures = 0;
    CheckBox* box = menu.AddCheckBox("Show Textures", &textures);
    box->SetOnValue(3553);
    menu.SetX(0);
    menu.SetY(0);
    menu.Show();
    const float x = box->GetX() + 5.0f;
    const float y = box->GetY() + 5.0f;
    Tick(menu, x, y, 1);
    EXPECT_EQ(textures, 3553);
    menu.Draw();
    EXPECT_STREQ(box->GetLabel(), "Show Textures | X |");
    Tick(menu, x, y, 1);
    EXPECT_EQ(textures, 0);
    menu.Draw();
    EXPECT_STREQ(box->GetLabel(), "Show Textures |   |");
    textures = 7; // neither on nor off
    Tick(menu, x, y, 1);
    EXPECT_EQ(textures, 3553);
}

TEST_F(MenuTest, TheEleventhItemIsRefusedWhateverTheKinds) {
    Menu menu;
    int32_t values[10] = {};
    for (int32_t& v : values) {
        ASSERT_NE(menu.AddSlider("s", &v), nullptr);
    }
    EXPECT_EQ(menu.AddButton("b", CountClick), nullptr);
    EXPECT_EQ(menu.AddCheckBox("c", &values[0]), nullptr);
    EXPECT_EQ(menu.AddSlider("s", &values[0]), nullptr);
    EXPECT_EQ(menu.GetItemCount(), 10);
}

TEST_F(MenuTest, TextsAreCutToTheirFields) {
    Menu menu;
    const std::string longText(300, 'y');
    menu.SetTitle(longText.c_str());
    menu.SetMessage(longText.c_str());
    EXPECT_EQ(std::strlen(menu.GetTitle()), 99u);
    EXPECT_EQ(std::strlen(menu.GetMessage()), 79u);
    Button* button = menu.AddButton(longText.c_str(), nullptr);
    button->SetToolTip(longText.c_str());
    EXPECT_EQ(std::strlen(button->GetLabel()), 99u);
    EXPECT_FLOAT_EQ(button->GetWidth(), 99.0f * 8.0f + 4.0f);
    EXPECT_EQ(std::strlen(button->GetToolTip()), 79u);
}

TEST_F(MenuTest, DrawsPanelButtonsAndTextsWhereTheLayoutPutsThem) {
    SetOverlay(1000, 600); // wide enough for the whole panel
    Menu menu;
    menu.SetTitle("MAIN MENU");
    menu.AddButton("  START  ", CountClick)->SetToolTip("Start the game");
    menu.AddButton(" RESUME  ", CountClick);
    menu.SetX(160);
    menu.SetY(150);
    Feedback feedback;
    feedback.Begin();
    menu.Draw();
    EXPECT_TRUE(feedback.End().empty()); // hidden menus draw nothing

    menu.Show();
    Tick(menu, 200.0f, 170.0f, 0); // over START
    feedback.Begin();
    menu.Draw();
    const auto drawn = feedback.End();
    // Panel 800 x 72, plus two 76 x 21 buttons.
    EXPECT_NEAR(Feedback::PolygonArea(drawn), 800.0f * 72.0f + 2.0f * 76.0f * 21.0f, 1.0f);
    const auto polygons = Feedback::OfKind(drawn, GL_POLYGON_TOKEN);
    // The highlighted button is opaque white; the other dark and translucent.
    bool opaqueWhite = false;
    bool darkTranslucent = false;
    for (const auto& p : polygons) {
        const FeedbackVertex& v = p.vertices[0];
        opaqueWhite = opaqueWhite || (v.r == 1.0f && v.a == 1.0f);
        darkTranslucent = darkTranslucent || (v.r < 0.3f && v.a < 0.5f);
    }
    EXPECT_TRUE(opaqueWhite);
    EXPECT_TRUE(darkTranslucent);
    // Labels of both buttons, then title and tooltip from the panel's middle.
    const auto characters = Feedback::OfKind(drawn, GL_BITMAP_TOKEN);
    ASSERT_EQ(characters.size(), 9u + 9u + 9u + 14u);
    EXPECT_NEAR(characters[0].vertices[0].x, 172.0f, 0.01f);
    EXPECT_NEAR(OverlayY(characters[0].vertices[0].y, 600), 175.0f, 0.01f);
    EXPECT_FLOAT_EQ(characters[0].vertices[0].g, 0.0f); // red text under the mouse
    EXPECT_NEAR(characters[18].vertices[0].x, 560.0f, 0.01f);
    EXPECT_NEAR(OverlayY(characters[18].vertices[0].y, 600), 186.0f, 0.01f);
    EXPECT_NEAR(OverlayY(characters[27].vertices[0].y, 600), 216.0f, 0.01f);
}

TEST_F(MenuTest, DrawsOverSceneDepthHoweverNear) {
    SetOverlay(256, 256);
    glEnable(GL_DEPTH_TEST);
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClearDepth(0.0); // as if a wall stood right before the eye everywhere
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glClearDepth(1.0);
    Menu menu;
    menu.AddButton("  START  ", nullptr);
    menu.SetX(0);
    menu.SetY(-100);
    menu.Show();
    menu.Draw();
    GLubyte pixel[3] = {};
    glReadBuffer(GL_BACK);
    glReadPixels(100, 200, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, pixel); // inside the panel
    EXPECT_GT(pixel[0], 50);
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST)); // left as it was
    glDisable(GL_DEPTH_TEST);
}

} // namespace
