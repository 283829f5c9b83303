#include "menu/Menu.h"
#include "support/Feedback.h"
#include "support/GlContext.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <initializer_list>
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

    // A shown menu at (160, 150) with a counting button per label.
    void Build(const std::initializer_list<const char*> labels) {
        for (const char* label : labels) {
            ASSERT_NE(menu.AddButton(label, CountClick), nullptr);
        }
        menu.SetX(160);
        menu.SetY(150);
        menu.Show();
    }

    // One tick of the menu with the mouse at (x, y), released or not.
    void Tick(const float x, const float y, const int up) {
        menu.SetMousePosition(x, y);
        menu.SetMouseFlags(0, 0, up);
        menu.HandleMouse();
    }

    // A release over the middle of the left or right end of an item.
    void ClickEnd(const MenuItem* item, const float fromLeft) {
        const float x =
            fromLeft < 0 ? item->GetX() + item->GetWidth() + fromLeft : item->GetX() + fromLeft;
        Tick(x, item->GetY() + 5.0f, 1);
    }

    Menu menu;
};

TEST_F(MenuTest, ButtonsAreSizedFromTheirLabelAndStackedInAColumn) {
    Build({"  START  ", " RESUME  ", " CONFIG  ", "  QUIT   "});
    const float expectedY[] = {160.0f, 191.0f, 222.0f, 253.0f};
    for (int i = 0; i < 4; ++i) {
        const MenuItem* item = menu.GetItem(i);
        EXPECT_FLOAT_EQ(item->GetWidth(), 76.0f);
        EXPECT_FLOAT_EQ(item->GetHeight(), 21.0f);
        EXPECT_FLOAT_EQ(item->GetX(), 170.0f);
        EXPECT_FLOAT_EQ(item->GetY(), expectedY[i]);
    }
    EXPECT_FLOAT_EQ(menu.GetHeight(), 134.0f);
}

TEST_F(MenuTest, HitTestIsStrictAndFirstItemWins) {
    Build({"  START  "});
    menu.GetItem(0)->SetToolTip("Start the game");
    menu.AddButton(" RESUME  ", nullptr);
    // The first button spans x 170..246 and y 160..181, edges excluded.
    for (const auto& [x, y] : {std::pair{170.0f, 170.0f}, std::pair{246.0f, 170.0f},
                               std::pair{200.0f, 160.0f}, std::pair{200.0f, 181.0f}}) {
        Tick(x, y, 1);
        EXPECT_EQ(menu.GetItem(0)->GetState(), MenuItem::normal) << x << "," << y;
        EXPECT_STREQ(menu.GetToolTipLine(), "");
    }
    EXPECT_EQ(clicks, 0);
    Tick(171.0f, 161.0f, 0);
    EXPECT_EQ(menu.GetItem(0)->GetState(), MenuItem::highlighted);
    EXPECT_STREQ(menu.GetToolTipLine(), "Start the game");
    EXPECT_EQ(clicks, 0);    // hovering is not clicking
    Tick(600.0f, 161.0f, 0); // moved off: the hover state and the tooltip go
    EXPECT_EQ(menu.GetItem(0)->GetState(), MenuItem::normal);
    EXPECT_STREQ(menu.GetToolTipLine(), "");

    // Two items on the same spot: the one added first takes the click.
    menu.GetItem(1)->SetPosition(170.0f, 160.0f);
    Tick(200.0f, 170.0f, 1);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(menu.GetItem(1)->GetState(), MenuItem::normal);
    // A button without a callback does nothing when clicked.
    menu.GetItem(1)->SetPosition(170.0f, 191.0f);
    Tick(200.0f, 200.0f, 1);
    EXPECT_EQ(menu.GetItem(1)->GetState(), MenuItem::highlighted);
    EXPECT_EQ(clicks, 1);
}

TEST_F(MenuTest, SliderStepsAtItsEndsOnlyAndKeepsItsSettingInRange) {
    uint16_t speed = 60;
    Slider* slider = menu.AddSlider("Game Speed", &speed);
    int32_t level = 0; // a signed setting without a minimum goes below zero
    Slider* signedSlider = menu.AddSlider("Level", &level);
    Build({});
    menu.Draw(); // the label now shows the value and sizes the slider
    EXPECT_STREQ(slider->GetLabel(), "- | Game Speed: 60 | +");
    struct Step {
        float at; // from the left end, or from the right end when negative
        uint16_t speed;
    };
    for (const Step s :
         {Step{1, 59}, Step{-1, 60}, Step{-1, 61}, Step{slider->GetWidth() / 2, 61}}) {
        ClickEnd(slider, s.at);
        EXPECT_EQ(speed, s.speed) << s.at;
    }
    // With a minimum of 1 the speed never reaches 0; nor does it wrap past the top.
    slider->SetMinimum(1);
    speed = 1;
    ClickEnd(slider, 1);
    EXPECT_EQ(speed, 1);
    speed = 65535;
    ClickEnd(slider, -1);
    EXPECT_EQ(speed, 65535);
    ClickEnd(signedSlider, 1);
    EXPECT_EQ(level, -1);
}

TEST_F(MenuTest, CheckBoxSwitchesBetweenItsOnAndOffValues) {
    int32_t textures = 0;
    CheckBox* box = menu.AddCheckBox("Show Textures", &textures);
    box->SetOnValue(3553);
    Build({});
    struct Step {
        int32_t before, after;
        const char* label;
    };
    // 7 is neither on nor off: a click switches it on.
    for (const Step s : {Step{0, 3553, "Show Textures | X |"}, Step{3553, 0, "Show Textures |   |"},
                         Step{7, 3553, "Show Textures | X |"}}) {
        textures = s.before;
        ClickEnd(box, 5);
        EXPECT_EQ(textures, s.after);
        menu.Draw();
        EXPECT_STREQ(box->GetLabel(), s.label);
    }
}

TEST_F(MenuTest, TheEleventhItemIsRefusedAndTextsAreCutToTheirFields) {
    int32_t values[10] = {};
    for (int32_t& v : values) {
        ASSERT_NE(menu.AddSlider("s", &v), nullptr);
    }
    EXPECT_EQ(menu.AddButton("b", CountClick), nullptr);
    EXPECT_EQ(menu.AddCheckBox("c", &values[0]), nullptr);
    EXPECT_EQ(menu.AddSlider("s", &values[0]), nullptr);
    EXPECT_EQ(menu.GetItemCount(), 10);

    Menu texts;
    const std::string longText(300, 'y');
    texts.SetTitle(longText.c_str());
    texts.SetMessage(longText.c_str());
    EXPECT_EQ(std::strlen(texts.GetTitle()), 99u);
    EXPECT_EQ(std::strlen(texts.GetMessage()), 79u);
    Button* button = texts.AddButton(longText.c_str(), nullptr);
    button->SetToolTip(longText.c_str());
    EXPECT_EQ(std::strlen(button->GetLabel()), 99u);
    EXPECT_FLOAT_EQ(button->GetWidth(), 99.0f * 8.0f + 4.0f);
    EXPECT_EQ(std::strlen(button->GetToolTip()), 79u);
}

TEST_F(MenuTest, DrawsPanelButtonsAndTextsWhereTheLayoutPutsThem) {
    SetOverlay(1000, 600); // wide enough for the whole panel
    menu.SetTitle("MAIN MENU");
    Build({"  START  ", " RESUME  "});
    menu.GetItem(0)->SetToolTip("Start the game");
    menu.Hide();
    EXPECT_TRUE(Record([this] { menu.Draw(); }).empty()); // hidden menus draw nothing
    menu.Show();
    Tick(200.0f, 170.0f, 0); // over START
    const auto drawn = Record([this] { menu.Draw(); });
    // Panel 800 x 72, plus two 76 x 21 buttons.
    EXPECT_NEAR(Feedback::PolygonArea(drawn), 800.0f * 72.0f + 2.0f * 76.0f * 21.0f, 1.0f);
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
    Build({"  START  "});
    menu.SetX(0);
    menu.SetY(-100);
    menu.Draw();
    EXPECT_GT(ReadPixels(100, 200, 1, 1)[0][0], 50); // inside the panel
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));         // left as it was
    glDisable(GL_DEPTH_TEST);
}

} // namespace
