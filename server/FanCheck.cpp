// FanManager: the per-frame test of every fan against its owner, the enemies and the level.
#include "protocol/MessageIds.h"
#include "server/AreaDamage.h"
#include "server/Enemies.h"
#include "server/FanManager.h"
#include "server/MovedBoxes.h"
#include "server/ServerPlayerManager.h"

void FanManager::CheckCollisions(ServerPlayerManager& players, const CollisionChecker& collision,
                                 float frameTime) {
    const std::vector<PlayerRecord> snapshot = players.GetPlayers();
    for (const FanRecord& fan : GetObjects()) {
        if (!players.IsPlayer(fan.owner)) {
            RemoveObject(fan.id);
            continue;
        }
        const std::vector<CollisionBox> boxes = MovedBoxes(m_shapes, fan.position);
        const std::int32_t ownerTeam = players.GetTeam(fan.owner);
        const bool returning = fan.outwardTimeLeft <= 0.0f;
        // A fan touches at most one player a frame, and one that touched a player meets no obstacle then.
        bool touchedPlayer = false;
        for (std::size_t i = 0; i < snapshot.size() && !touchedPlayer; ++i) {
            const PlayerRecord& player = snapshot[i];
            if (player.guid == fan.owner) {
                if (returning && TouchesAny(boxes, players.GetBodyBoxes(static_cast<int>(i)))) {
                    RemoveObject(fan.id);  // caught
                    touchedPlayer = true;
                }
            } else if (IsEnemy(fan.owner, ownerTeam, player) &&
                       TouchesAny(boxes, players.GetBodyBoxes(static_cast<int>(i)))) {
                ApplyAreaDamage(
                    players, player,
                    AreaDamage{kFanDamageRate,
                               static_cast<std::int32_t>(protocol::AbilityId::FanBoomerangAbility), fan.owner,
                               true},
                    frameTime);
                touchedPlayer = true;
            }
        }
        if (touchedPlayer || !HitsAnyObstacle(collision, boxes)) {
            continue;
        }
        if (fan.outwardTimeLeft <= kFanReturnBreakTime) {
            RemoveObject(fan.id);
        } else if (FanRecord* stored = m_objects.Find(fan.id); stored != nullptr && !returning) {
            // Turns back at its next update. A fan already returning is not turned again: with a wall
            // between it and its owner it would turn, and announce the turn, every frame without end; it
            // flies on and breaks once it has been returning for long enough.
            stored->outwardTimeLeft = 0.0f;
        }
    }
}
