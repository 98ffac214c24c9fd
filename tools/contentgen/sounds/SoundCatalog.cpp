#include "sounds/SoundCatalog.h"

#include "sounds/SoundEffects.h"

namespace {

Signal Layer(Signal a, const Signal& b, float gain) {
    MixInto(a, b, 0.0f, gain);
    Normalize(a, 0.9f);
    return a;
}

}  // namespace

const std::vector<SoundEntry>& SoundCatalog() {
    static const float kShieldUp[] = {523.3f, 659.3f, 784.0f};
    static const float kShieldTake[] = {784.0f, 1046.5f, 1318.5f, 1568.0f};
    static const float kHealUp[] = {587.3f, 740.0f, 880.0f};
    static const float kHealTake[] = {880.0f, 1174.7f, 1480.0f, 1760.0f};
    static const float kInvisUp[] = {880.0f, 740.0f, 587.3f};
    static const float kInvisTake[] = {1174.7f, 880.0f, 740.0f, 440.0f};
    static const std::vector<SoundEntry> catalog = {
        {"KunaiThrow.wav", 1, [] { return Whoosh(0.3f, 2600.0f, 1200.0f, 1u, 3.0f); }},
        {"KunaiHitObjects.wav", 1,
         [] { return Layer(Clang(0.35f, 1900.0f, 2u), Thud(0.2f, 140.0f, 3u), 0.6f); }},
        {"KunaiHit.wav", 1, [] { return Layer(Thud(0.25f, 180.0f, 4u), Clang(0.2f, 2300.0f, 5u), 0.4f); }},
        {"AirCut.wav", 1, [] { return Whoosh(0.32f, 700.0f, 2200.0f, 6u, 1.5f); }},
        {"Whip.wav", 1, [] { return Crack(0.4f, 7u); }},
        {"WhipRotate.wav", 1,
         [] { return Layer(Whoosh(0.7f, 500.0f, 1800.0f, 8u, 4.0f), Crack(0.7f, 9u), 0.5f); }},
        {"WhipHit.wav", 1, [] { return Layer(Crack(0.25f, 10u), Thud(0.25f, 160.0f, 11u), 0.8f); }},
        {"KatanaHit.wav", 1, [] { return Layer(Clang(0.6f, 1400.0f, 12u), Thud(0.2f, 120.0f, 13u), 0.7f); }},
        {"DashWoosh.wav", 1, [] { return Whoosh(0.45f, 300.0f, 1500.0f, 14u, 1.2f); }},
        {"ShurikenThrow.wav", 1, [] { return Whoosh(0.28f, 3200.0f, 1800.0f, 15u, 5.0f); }},
        {"ShurikenHit.wav", 1,
         [] { return Layer(Thud(0.2f, 200.0f, 16u), Clang(0.25f, 2800.0f, 17u), 0.5f); }},
        {"ShurikenHitObjects.wav", 1, [] { return Clang(0.4f, 2600.0f, 18u); }},
        {"MegaShurikenHit.wav", 1,
         [] { return Layer(Thud(0.35f, 110.0f, 19u), Clang(0.5f, 1500.0f, 20u), 0.7f); }},
        {"MegaShurikenHitObjects.wav", 1,
         [] { return Layer(Clang(0.7f, 1200.0f, 21u), Thud(0.3f, 90.0f, 22u), 0.8f); }},
        {"SmokeBomb.wav", 1,
         [] { return Layer(Thud(0.3f, 70.0f, 23u), Whoosh(1.1f, 400.0f, 150.0f, 24u, 0.8f), 1.0f); }},
        {"Naginata.wav", 1, [] { return Whoosh(0.5f, 400.0f, 1400.0f, 25u, 1.3f); }},
        {"NaginataSlash.wav", 1, [] { return Whoosh(0.3f, 1200.0f, 500.0f, 26u, 2.0f); }},
        {"NaginataHit.wav", 1,
         [] { return Layer(Thud(0.3f, 130.0f, 27u), Clang(0.45f, 1100.0f, 28u), 0.6f); }},
        {"VolleyThrow.wav", 1,
         [] {
             Signal volley = Whoosh(0.25f, 2400.0f, 1300.0f, 29u, 3.0f);
             MixInto(volley, Whoosh(0.25f, 2600.0f, 1400.0f, 30u, 3.0f), 0.07f, 0.9f);
             MixInto(volley, Whoosh(0.25f, 2200.0f, 1200.0f, 31u, 3.0f), 0.14f, 0.8f);
             Normalize(volley, 0.9f);
             return volley;
         }},
        {"VolleyHit.wav", 1,
         [] {
             Signal hits = Clang(0.3f, 2000.0f, 32u);
             MixInto(hits, Clang(0.3f, 2200.0f, 33u), 0.06f, 0.8f);
             MixInto(hits, Thud(0.2f, 150.0f, 34u), 0.1f, 0.8f);
             Normalize(hits, 0.9f);
             return hits;
         }},
        {"Bubble.wav", 1, [] { return Bubbles(0.7f, 35u); }},
        {"Fire.wav", 1, [] { return FireLoop(4.0f); }},
        {"Wind.wav", 2, [] { return WindLoop(6.0f); }},
        {"Bird.wav", 1, [] { return BirdLoop(5.0f); }},
        {"StepsOnLeaves.wav", 1, [] { return StepsLoop(1.2f); }},
        {"DeathMale.wav", 1, [] { return Cry(1.1f, false, true, 36u); }},
        {"DeathFemale.wav", 1, [] { return Cry(1.1f, true, true, 37u); }},
        {"MaleHurt.wav", 1, [] { return Cry(0.35f, false, false, 38u); }},
        {"FemaleHurt.wav", 1, [] { return Cry(0.35f, true, false, 39u); }},
        {"CountdownBeep.wav", 2, [] { return Beep(0.18f, 880.0f); }},
        {"CountdownGong.wav", 2, [] { return Gong(2.5f); }},
        {"RuneShield.wav", 1, [] { return Hum(3.0f, 196.0f, 0.5f); }},
        {"RuneShieldSpawn.wav", 1, [] { return Chime(1.0f, kShieldUp, 3, 0.09f); }},
        {"RuneShieldPickup.wav", 1, [] { return Chime(0.9f, kShieldTake, 4, 0.06f); }},
        {"RuneHeal.wav", 1, [] { return Hum(3.0f, 220.0f, 0.3f); }},
        {"RuneHealSpawn.wav", 1, [] { return Chime(1.0f, kHealUp, 3, 0.09f); }},
        {"RuneHealPickup.wav", 1, [] { return Chime(0.9f, kHealTake, 4, 0.06f); }},
        {"RuneInvisibility.wav", 1, [] { return Hum(3.0f, 147.0f, 0.8f); }},
        {"RuneInvisibilitySpawn.wav", 1, [] { return Chime(1.0f, kInvisUp, 3, 0.11f); }},
        {"RuneInvisibilityPickup.wav", 1, [] { return Chime(0.9f, kInvisTake, 4, 0.07f); }},
        {"BG_music2.wav", 2, MenuMusic},
    };
    return catalog;
}
