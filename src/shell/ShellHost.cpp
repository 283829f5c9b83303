#include "shell/ShellHost.h"

#include "game/GameHost.h"
#include "shell/Listeners.h"
#include "shell/Session.h"
#include "shell/Settings.h"
#include "shell/Windows.h"
#include "sound/GameSound.h"

namespace {

class ShellHost : public GameHost {
public:
    void InputApplied(const Command& meaning) override { NoteInput(meaning); }
    void Happened(const GameEvent& event) override { HandOut(event); }
    void TickRan(const TickReport& report) override { HandOutTick(report); }
    void OpenSecondViewWindow() override { ::OpenSecondViewWindow(); }
    void SecondViewCompiled() override { ::SecondViewCompiled(); }
    void CloseSecondViewWindow() override { ::CloseSecondViewWindow(); }
    void Redisplay() override { PostRedisplayAll(); }
    void TakeScreenshot() override { RequestScreenshot(); }
    void ToggleMute() override { gameSound.ToggleMute(); }
    // A replay writes nothing: the recorded game's Save saved then.
    void SaveSettings() override {
        if (!settings.Replaying()) {
            SaveConfig();
        }
    }
    void Quit() override { RequestEnd(); }
};

ShellHost shellHost;

} // namespace

void UseShellHost() {
    SetHost(&shellHost);
}
