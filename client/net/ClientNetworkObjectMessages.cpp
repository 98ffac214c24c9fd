// Game messages about objects in the world: thrown and flying objects, traps, and the sounds and effects the
// server asks for.
#include <cmath>

#include "client/net/ClientNetwork.h"
#include "shared/SoundNumbers.h"

using namespace RakNet;

namespace {

bool Finite(const protocol::Vec3& v) {
    return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z);
}
bool Finite(const protocol::GroundPoint& p) {
    return std::isfinite(p.x) && std::isfinite(p.z);
}

// The kinds the world has a model, a speed and a lifetime for.
bool KnownProjectileKind(std::int32_t kind) {
    return kind >= static_cast<std::int32_t>(protocol::ProjectileKind::Shuriken) &&
           kind <= static_cast<std::int32_t>(protocol::ProjectileKind::Kunai);
}

// The sound of a hit by each ability; -1 for none.
std::int32_t HitSound(std::int32_t ability) {
    switch (ability) {
        case 0:
        case 9:
            return SoundNumber(SoundId::ShurikenHit);
        case 2:
        case 6:
            return SoundNumber(SoundId::KatanaHit);
        case 3:
            return SoundNumber(SoundId::MegaShurikenHit);
        case 7:
        case 8:
            return SoundNumber(SoundId::WhipHit);
        case 10:
        case 13:
            return SoundNumber(SoundId::NaginataHit);
        case 11:
            return SoundNumber(SoundId::KunaiHit);
        case 14:
            return SoundNumber(SoundId::VolleyHit);
        default:
            return -1;
    }
}

}  // namespace

bool ClientNetwork::HandleObjectMessage(BitStream& stream, MessageID id) {
    const auto read = [&](auto& message) { return protocol::Read(stream, message) || Dropped(id); };
    switch (id) {
        case protocol::ID_SHURIKEN_ADD: {
            protocol::ShurikenAddMessage message;
            if (read(message) && Finite(message.start) && Finite(message.direction) &&
                std::isfinite(message.speed)) {
                shurikens.Add(message);
            }
            return true;
        }
        case protocol::ID_SHURIKEN_REMOVE: {
            protocol::ShurikenRemoveMessage message;
            if (read(message)) {
                shurikens.Remove(message.shurikenId);
            }
            return true;
        }
        case protocol::ID_PROJECTILE_ADD: {
            protocol::ProjectileAddMessage message;
            if (read(message) && Finite(message.start) && Finite(message.direction) &&
                std::isfinite(message.speed)) {
                if (KnownProjectileKind(message.kind)) {
                    projectiles.Add(message);
                } else {
                    Dropped(id);
                }
            }
            return true;
        }
        case protocol::ID_PROJECTILE_REMOVE: {
            protocol::ProjectileRemoveMessage message;
            if (read(message)) {
                projectiles.Remove(message.projectileId);
            }
            return true;
        }
        case protocol::ID_SMOKEBOMB_ADD: {
            protocol::SmokeBombAddMessage message;
            if (read(message) && Finite(message.start) && Finite(message.target) &&
                std::isfinite(message.lifetime)) {
                smokeBombs.Add(message);
            }
            return true;
        }
        case protocol::ID_SMOKEBOMB_REMOVE: {
            protocol::SmokeBombRemoveMessage message;
            if (read(message)) {
                smokeBombs.Remove(message.smokeBombId);
            }
            return true;
        }
        case protocol::ID_SPIKETRAP_ADD: {
            protocol::SpikeTrapAddMessage message;
            if (read(message) && Finite(message.start) && Finite(message.target) &&
                std::isfinite(message.lifetime)) {
                spikeTraps.Add(message);
            }
            return true;
        }
        case protocol::ID_SPIKETRAP_REMOVE: {
            protocol::SpikeTrapRemoveMessage message;
            if (read(message)) {
                spikeTraps.Remove(message.spikeTrapId);
            }
            return true;
        }
        case protocol::ID_STICKYTRAP_ADD: {
            protocol::StickyTrapAddMessage message;
            if (read(message) && Finite(message.start) && Finite(message.target) &&
                std::isfinite(message.lifetime)) {
                stickyTraps.Add(message);
            }
            return true;
        }
        case protocol::ID_STICKYTRAP_REMOVE: {
            protocol::StickyTrapRemoveMessage message;
            if (read(message)) {
                stickyTraps.Remove(message.stickyTrapId);
            }
            return true;
        }
        case protocol::ID_FAN_ADD: {
            protocol::FanAddMessage message;
            if (read(message) && Finite(message.start) && Finite(message.direction) &&
                std::isfinite(message.speed)) {
                fans.Add(FanEntry{message, message.fanId, 0.0f, false});
            }
            return true;
        }
        case protocol::ID_FAN_REMOVE: {
            protocol::FanRemoveMessage message;
            if (read(message)) {
                fans.Remove(message.fanId);
            }
            return true;
        }
        case protocol::ID_FAN_RETURNING: {
            protocol::FanReturningMessage message;
            if (read(message) && std::isfinite(message.remainingOutwardTime)) {
                if (FanEntry* fan = fans.Find(message.fanId)) {
                    fan->remainingOutwardTime = message.remainingOutwardTime;
                    fan->returning = true;
                }
            }
            return true;
        }
        case protocol::ID_VOLLEY_ADD: {
            protocol::VolleyAddMessage message;
            if (read(message) && Finite(message.start) && Finite(message.target)) {
                events.volleys.Push(message);
            }
            return true;
        }
        case protocol::ID_FLASH_BANG: {
            protocol::FlashBangMessage message;
            if (read(message) && Finite(message.start) && Finite(message.target)) {
                events.flashBangs.Push(message);
            }
            return true;
        }
        case protocol::ID_HIT_EFFECT: {
            protocol::HitEffectMessage message;
            if (read(message) && Finite(message.position)) {
                const std::int32_t sound = HitSound(message.ability);
                if (sound >= 0) {
                    events.soundEvents.Push(SoundEvent{sound, message.position});
                }
            }
            return true;
        }
        case protocol::ID_PLAY_SOUND: {
            protocol::PlaySoundMessage message;
            if (read(message) && message.sound >= 0 && Finite(message.position)) {
                events.soundEvents.Push(SoundEvent{message.sound, message.position});
            }
            return true;
        }
        default:
            return false;
    }
}
