#pragma once

#include <string>

// The game's sounds: what each is called, where its file lies and how far it
// carries. The sound generator (tools/sndgen) writes one WAV file per entry
// into sounds/ of the build folder; the game reads them from sounds/ of its
// working directory, as it reads its textures.
//
// Distances are world units and only matter for sounds placed in the city:
// within `nearDistance` a sound is at full loudness, from there it fades
// evenly to nothing at `reach`.

enum class SoundId {
    Drop,            // a short whoosh as the poop leaves
    PedHit,          // a splat and a yelp
    CarHit,          // a splat and a horn
    FriesPoop,       // fries eaten: poop refilled
    FriesWideView,   // fries eaten: the wide view starts
    FriesNormalView, // fries eaten: the wide view ends
    Crunch,          // loop: the bird inside a building
    Chirp,           // loop: the bird healing low over a park
    Wind,            // loop: the air past the bird, louder the faster it flies
    Engine,          // loop: a car's engine hum
    MissionComplete, // jingle
    Died,            // jingle
    TimeUp,          // jingle
    Click,           // a menu control acts
};

struct SoundInfo {
    SoundId id;
    const char* name; // the file is sounds/<name>.wav
    bool loops;
    float nearDistance;
    float reach;
};

constexpr float hitNear = 250.0f;
constexpr float hitReach = 5000.0f; // about half the city: across it nothing is heard
constexpr float engineNear = 60.0f;
constexpr float engineReach = 900.0f; // traffic is heard only low over the streets
constexpr float ownNear = 1.0f;       // sounds of the bird itself and the menus
constexpr float ownReach = 1.0f;

constexpr SoundInfo soundCatalog[] = {
    {SoundId::Drop, "drop", false, ownNear, ownReach},
    {SoundId::PedHit, "ped_hit", false, hitNear, hitReach},
    {SoundId::CarHit, "car_hit", false, hitNear, hitReach},
    {SoundId::FriesPoop, "fries_poop", false, ownNear, ownReach},
    {SoundId::FriesWideView, "fries_wide_view", false, ownNear, ownReach},
    {SoundId::FriesNormalView, "fries_normal_view", false, ownNear, ownReach},
    {SoundId::Crunch, "crunch", true, ownNear, ownReach},
    {SoundId::Chirp, "chirp", true, ownNear, ownReach},
    {SoundId::Wind, "wind", true, ownNear, ownReach},
    {SoundId::Engine, "engine", true, engineNear, engineReach},
    {SoundId::MissionComplete, "mission_complete", false, ownNear, ownReach},
    {SoundId::Died, "died", false, ownNear, ownReach},
    {SoundId::TimeUp, "time_up", false, ownNear, ownReach},
    {SoundId::Click, "click", false, ownNear, ownReach},
};

constexpr int soundCount = static_cast<int>(sizeof(soundCatalog) / sizeof(soundCatalog[0]));
constexpr const char* soundFolder = "sounds";

constexpr const SoundInfo& InfoOf(const SoundId id) {
    return soundCatalog[static_cast<int>(id)];
}

// "<folder>/<name>.wav".
inline std::string SoundPath(const std::string& folder, const SoundId id) {
    return folder + "/" + InfoOf(id).name + ".wav";
}

constexpr bool CatalogInOrder() {
    for (int i = 0; i < soundCount; ++i) {
        if (static_cast<int>(soundCatalog[i].id) != i) {
            return false;
        }
    }
    return soundCount == static_cast<int>(SoundId::Click) + 1;
}
static_assert(CatalogInOrder(), "one entry per sound, in the order of SoundId");
