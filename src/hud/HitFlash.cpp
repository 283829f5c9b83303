#include "hud/HitFlash.h"

#include "city/MapObject.h"
#include "hud/Gauge.h"

namespace {

constexpr float flashAlpha = 0.5f;
constexpr float flashShade = 0.7f;

} // namespace

void ShowHitFlash(Gauge& flash, const GameEvents& events) {
    flash.Hide();
    for (const GameEvent& event : events) {
        if (event.kind != GameEvent::Kind::Inside) {
            continue;
        }
        if (event.objectKind == MapObject::KindBuilding) {
            flash.SetStartColor(flashShade, 0.0f, 0.0f, flashAlpha);
            flash.Show();
        } else if (event.objectKind == MapObject::KindPark) {
            flash.SetStartColor(0.0f, flashShade, 0.0f, flashAlpha);
            flash.Show();
        }
    }
}
