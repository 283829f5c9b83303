#include "input/PadMapper.h"
#include "city/MapObject.h"
#include "input/RumbleRules.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<Command> Read(PadMapper& mapper, const PadState& pad, const PadContext& context,
                          const unsigned int now) {
    PadCommands out;
    mapper.Update(pad, context, now, out);
    return {out.items, out.items + out.count};
}

PadState OnePad() {
    PadState pad;
    pad.pads = 1;
    return pad;
}

PadState Holding(const PadState::Button button) {
    PadState pad = OnePad();
    pad.Press(button);
    return pad;
}

// A configuration menu as the shell describes it: a slider, three check
// boxes, Save and the way back, 30 pixels apart.
PadContext InConfigMenu() {
    PadContext context;
    context.menus.front = MenuScreen::Front::Config;
    context.menus.controlCount = 6;
    for (int i = 0; i < 6; ++i) {
        const auto kind = i == 0  ? MenuScreen::ControlKind::Slider
                          : i < 4 ? MenuScreen::ControlKind::CheckBox
                                  : MenuScreen::ControlKind::Button;
        context.menus.controls[i] = {kind, 10.0f, 10.0f + 30.0f * i, 200.0f, 20.0f};
    }
    context.menus.backControl = 5;
    return context;
}

int Count(const std::vector<Command>& commands, const Command::Kind kind, const int code = -1) {
    int n = 0;
    for (const Command& command : commands) {
        n += command.kind == kind && (code < 0 || command.code == code) ? 1 : 0;
    }
    return n;
}

} // namespace

TEST(PadMapperTest, TheDeadZoneStillsARestingOrDriftingStickAndFullThrowIsTheWindowsEdge) {
    float x = 1.0f;
    float y = 1.0f;
    PadMapper::ApplyDeadZone(0.2f, -0.1f, x, y);
    EXPECT_EQ(x, 0.0f);
    EXPECT_EQ(y, 0.0f);
    PadMapper::ApplyDeadZone(1.0f, 0.0f, x, y);
    EXPECT_EQ(x, 1.0f);
    EXPECT_EQ(y, 0.0f);
    PadMapper::ApplyDeadZone(-1.0f, -1.0f, x, y);
    EXPECT_GE(x, -1.0f);
    EXPECT_LT(x, -0.7f);
    PadMapper::ApplyDeadZone(0.0f, 0.26f, x, y);
    EXPECT_GT(y, 0.0f);
    EXPECT_LT(y, 0.02f) << "steering grows from nothing at the edge of the dead zone";

    PadMapper inverted(true);
    PadState up = OnePad();
    up.leftY = -1.0f;
    EXPECT_EQ(Read(inverted, up, {}, 0)[0].y, 1.0f) << "--invert-pitch: stick up, nose down";

    // A stick drifting inside the dead zone sends nothing, so the mouse keeps steering.
    PadMapper mapper;
    PadState drifting = OnePad();
    for (unsigned int t = 0; t < 100; ++t) {
        drifting.leftX = 0.1f * ((t % 3) - 1.0f);
        drifting.leftY = 0.15f;
        EXPECT_TRUE(Read(mapper, drifting, {}, t).empty());
    }
}

TEST(PadMapperTest, HeldSpeedControlsRepeatOnTheGameClockAndBackFollowsTheSecondView) {
    PadMapper mapper;
    PadState trigger = OnePad();
    trigger.rightTrigger = 1.0f;
    std::vector<unsigned int> fired;
    for (unsigned int t = 1000; t <= 1600; t += 5) {
        if (Count(Read(mapper, trigger, {}, t), Command::Kind::Key, 'w') == 1) {
            fired.push_back(t);
        }
    }
    const std::vector<unsigned int> expected = {1000, 1400, 1440, 1480, 1520, 1560, 1600};
    EXPECT_EQ(fired, expected) << "at once, after 0.4 s, then 25 times a second";
    // A late read repeats once, not for every repeat it missed.
    EXPECT_EQ(Count(Read(mapper, trigger, {}, 2000), Command::Kind::Key, 'w'), 1);
    EXPECT_EQ(Count(Read(mapper, trigger, {}, 2001), Command::Kind::Key, 'w'), 0);

    // The shoulder slows down as the left trigger would; both together do nothing.
    PadMapper other;
    PadState shoulder = Holding(PadState::LeftShoulder);
    EXPECT_EQ(Count(Read(other, shoulder, {}, 0), Command::Kind::Key, 's'), 1);
    shoulder.rightTrigger = 0.9f;
    EXPECT_TRUE(Read(other, shoulder, {}, 500).empty());

    PadMapper buttons;
    PadContext viewOpen;
    viewOpen.secondViewOpen = true;
    EXPECT_EQ(Count(Read(buttons, Holding(PadState::Back), viewOpen, 0), Command::Kind::Key, '1'),
              1);
    EXPECT_EQ(
        Count(Read(buttons, Holding(PadState::X), {}, 10), Command::Kind::SpecialKey, GLUT_KEY_F12),
        1);
}

TEST(PadMapperTest, TheFocusWalksTheMenuAndClicksWhereAMouseWould) {
    PadMapper mapper;
    PadContext context = InConfigMenu();
    EXPECT_TRUE(Read(mapper, OnePad(), context, 0).empty()) << "the menus stay the mouse's";

    // Up from the first control wraps to the last: the way back.
    auto commands = Read(mapper, Holding(PadState::DpadUp), context, 10);
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(commands[0].kind, Command::Kind::MenuPointer);
    EXPECT_EQ(commands[0].x, 110.0f);
    EXPECT_EQ(commands[0].y, 170.0f);
    // The stick moves the focus too, once per push.
    PadState stick = OnePad();
    stick.leftY = 0.9f;
    commands = Read(mapper, stick, context, 20);
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(commands[0].y, 20.0f) << "down from the last wraps to the slider";
    EXPECT_TRUE(Read(mapper, stick, context, 30).empty());

    // Left and right click the slider's ends.
    PadState left = OnePad();
    left.leftX = -1.0f;
    commands = Read(mapper, left, context, 1000);
    ASSERT_EQ(commands.size(), 3u);
    EXPECT_EQ(commands[0].x, 10.0f + PadMapper::sliderEndInset);
    EXPECT_EQ(commands[1].kind, Command::Kind::PointerButton);
    EXPECT_EQ(commands[1].down, 1);
    EXPECT_EQ(commands[2].down, 0) << "released at once: a click";
    commands = Read(mapper, Holding(PadState::DpadRight), context, 1100);
    ASSERT_EQ(commands.size(), 3u);
    EXPECT_EQ(commands[0].x, 210.0f - PadMapper::sliderEndInset);

    commands = Read(mapper, Holding(PadState::A), context, 1200);
    EXPECT_EQ(Count(commands, Command::Kind::PointerButton), 2);
    EXPECT_EQ(Count(commands, Command::Kind::Drop), 0) << "A in a menu never drops";

    // The main menu, in front now, gets the pad's pointer at its own focus at once.
    PadContext main = context;
    main.menus.front = MenuScreen::Front::Main;
    main.menus.backControl = MenuScreen::noControl;
    main.menus.controlCount = 4;
    commands = Read(mapper, OnePad(), main, 1500);
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(commands[0].y, 20.0f);
    // Once the real pointer moves, a new menu in front is left to the mouse.
    main.pointerX = 300.0f;
    EXPECT_TRUE(Read(mapper, OnePad(), main, 1700).empty());
    EXPECT_TRUE(Read(mapper, OnePad(), context, 1800).empty());
}

TEST(RumbleRulesTest, HitsTapInsideBuzzesDeathShakesAndNoWeakerEffectCutsAStrongerShort) {
    RumbleRules rules;
    RumbleRules::Effect effect;
    EXPECT_FALSE(rules.Take({GameEvent::Dropped({})}, 0, effect));
    EXPECT_FALSE(rules.Take({GameEvent::InsideOf(MapObject::KindPark, {})}, 0, effect))
        << "a park heals quietly";
    ASSERT_TRUE(rules.Take({GameEvent::PedHitAt({}, false)}, 0, effect));
    EXPECT_EQ(effect.milliseconds, RumbleRules::hit.milliseconds);
    EXPECT_LT(effect.high, 0.5f) << "short and light";
    // Every tick inside renews the buzz, over a hit still running.
    for (unsigned int t = 16; t < 100; t += 16) {
        ASSERT_TRUE(rules.Take(
            {GameEvent::InsideOf(MapObject::KindBuilding, {}), GameEvent::CarHitAt({}, false)}, t,
            effect));
        EXPECT_EQ(effect.strength, RumbleRules::inside.strength);
    }
    ASSERT_TRUE(rules.Take({GameEvent::Died({})}, 200, effect));
    EXPECT_EQ(effect.low, 1.0f);
    EXPECT_FALSE(rules.Take({GameEvent::PedHitAt({}, false)}, 300, effect))
        << "a hit does not cut death's shake short";
    EXPECT_TRUE(rules.Take({GameEvent::PedHitAt({}, false)}, 1000, effect));
}
