#include "tools/bots/Aiming.h"

std::vector<EnemyView> VisibleEnemies(const ArenaMap& map, Ground self,
                                      const std::vector<EnemyView>& enemies) {
    std::vector<EnemyView> visible;
    for (const EnemyView& enemy : enemies) {
        if (enemy.alive && Distance(self, enemy.position) <= kSightRange &&
            map.LineOfSight(self, enemy.position)) {
            visible.push_back(enemy);
        }
    }
    return visible;
}

std::optional<EnemyView> NearestEnemy(Ground self, const std::vector<EnemyView>& visible) {
    std::optional<EnemyView> nearest;
    for (const EnemyView& enemy : visible) {
        if (!nearest || Distance(self, enemy.position) < Distance(self, nearest->position)) {
            nearest = enemy;
        }
    }
    return nearest;
}

Ground AimAt(Ground self, Ground target) {
    return Normalized(target - self);
}
