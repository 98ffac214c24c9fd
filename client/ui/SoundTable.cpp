#include "client/ui/SoundTable.h"

namespace {

constexpr SoundPlacement P = SoundPlacement::Positioned;
constexpr SoundPlacement F = SoundPlacement::Flat;
constexpr SoundPlayback Once = SoundPlayback::Once;
constexpr SoundPlayback Loop = SoundPlayback::Loop;
constexpr SoundPlayback Ambient = SoundPlayback::Ambient;

// In the order the sounds are loaded; FindSound looks them up by number.
constexpr std::array<SoundEntry, kSoundCount> kLoadingOrder = {{
    {SoundId::KunaiHit, "KunaiHit.wav", P, Once},
    {SoundId::KunaiHitObjects, "KunaiHitObjects.wav", P, Once},
    {SoundId::KunaiThrow, "KunaiThrow.wav", P, Once},
    {SoundId::AirCut, "AirCut.wav", P, Once},
    {SoundId::DashWoosh, "DashWoosh.wav", P, Once},
    {SoundId::ShurikenThrow, "ShurikenThrow.wav", P, Once},
    {SoundId::ShurikenHit, "ShurikenHit.wav", P, Once},
    {SoundId::ShurikenHitObjects, "ShurikenHitObjects.wav", P, Once},
    {SoundId::KatanaHit, "KatanaHit.wav", P, Once},
    {SoundId::MegaShurikenHit, "MegaShurikenHit.wav", P, Once},
    {SoundId::MegaShurikenHitObjects, "MegaShurikenHitObjects.wav", P, Once},
    {SoundId::SmokeBomb, "SmokeBomb.wav", P, Once},
    {SoundId::Whip, "Whip.wav", P, Once},
    {SoundId::WhipHit, "WhipHit.wav", P, Once},
    {SoundId::WhipRotate, "WhipRotate.wav", P, Once},
    {SoundId::Naginata, "Naginata.wav", P, Once},
    {SoundId::NaginataHit, "NaginataHit.wav", P, Once},
    {SoundId::NaginataSlash, "NaginataSlash.wav", P, Once},
    {SoundId::VolleyHit, "VolleyHit.wav", P, Once},
    {SoundId::VolleyThrow, "VolleyThrow.wav", P, Once},
    {SoundId::Bubble, "Bubble.wav", P, Once},
    {SoundId::Fire, "Fire.wav", P, Ambient},
    {SoundId::Wind, "Wind.wav", F, Ambient},
    {SoundId::Bird, "Bird.wav", P, Ambient},
    {SoundId::StepsOnLeaves, "StepsOnLeaves.wav", P, Ambient},
    {SoundId::DeathMale, "DeathMale.wav", P, Once},
    {SoundId::DeathFemale, "DeathFemale.wav", P, Once},
    {SoundId::MaleHurt, "MaleHurt.wav", P, Once},
    {SoundId::FemaleHurt, "FemaleHurt.wav", P, Once},
    {SoundId::CountdownBeep, "CountdownBeep.wav", F, Once},
    {SoundId::CountdownGong, "CountdownGong.wav", F, Once},
    {SoundId::RuneInvisibility, "RuneInvisibility.wav", P, Loop},
    {SoundId::RuneInvisibilitySpawn, "RuneInvisibilitySpawn.wav", P, Once},
    {SoundId::RuneInvisibilityPickup, "RuneInvisibilityPickup.wav", P, Once},
    {SoundId::RuneHeal, "RuneHeal.wav", P, Loop},
    {SoundId::RuneHealSpawn, "RuneHealSpawn.wav", P, Once},
    {SoundId::RuneHealPickup, "RuneHealPickup.wav", P, Once},
    {SoundId::RuneShield, "RuneShield.wav", P, Loop},
    {SoundId::RuneShieldSpawn, "RuneShieldSpawn.wav", P, Once},
    {SoundId::RuneShieldPickup, "RuneShieldPickup.wav", P, Once},
}};

// Index by number - 1 into the loading order.
constexpr std::array<std::size_t, kSoundCount> IndexByNumber() {
    std::array<std::size_t, kSoundCount> index{};
    for (std::size_t i = 0; i < kLoadingOrder.size(); ++i) {
        index[static_cast<std::size_t>(SoundNumber(kLoadingOrder[i].id) - kFirstSoundNumber)] = i;
    }
    return index;
}
constexpr std::array<std::size_t, kSoundCount> kIndexByNumber = IndexByNumber();

constexpr bool EveryNumberOnce() {
    std::array<bool, kSoundCount> seen{};
    for (const SoundEntry& entry : kLoadingOrder) {
        const std::int32_t number = SoundNumber(entry.id);
        if (number < kFirstSoundNumber || number > kLastSoundNumber ||
            seen[static_cast<std::size_t>(number - kFirstSoundNumber)]) {
            return false;
        }
        seen[static_cast<std::size_t>(number - kFirstSoundNumber)] = true;
    }
    return true;
}
static_assert(EveryNumberOnce(), "the loading order holds every sound number exactly once");

}  // namespace

const SoundEntry* FindSound(int number) {
    if (number < kFirstSoundNumber || number > kLastSoundNumber) {
        return nullptr;
    }
    return &kLoadingOrder[kIndexByNumber[static_cast<std::size_t>(number - kFirstSoundNumber)]];
}

const std::array<SoundEntry, kSoundCount>& SoundLoadingOrder() {
    return kLoadingOrder;
}
