#include "models/ModelCatalog.h"

#include "ninjas/Ninjas.h"
#include "props/BigBird.h"
#include "props/Props.h"

std::vector<ModelEntry> ModelCatalog() {
    return {
        // Characters.
        {"Ninja1Shape.ZMD", &BuildKatanaNinja},
        {"Ninja2Shape.ZMD", &BuildTessenNinja},
        {"Ninja3Shape.ZMD", &BuildNaginataNinja},
        // Projectiles.
        {"shurikenShape.ZMD", &BuildShuriken},
        {"MegaShuriken_Shape.ZMD", &BuildMegaShuriken},
        {"KunaiShape.ZMD", &BuildKunai},
        {"TessenShape.ZMD", &BuildTessenFan},
        // Runes.
        {"lotus_Shape.ZMD", &BuildLotus},
        {"invisScroll_Shape.ZMD", &BuildInvisibilityScroll},
        {"shield_Shape.ZMD", &BuildShieldRune},
        // Markers and the team ring.
        {"Marker_CircleShape.ZMD", &BuildCircleMarker},
        {"Marker_ArrowEndShape.ZMD", &BuildArrowEndMarker},
        {"Marker_ArrowStartShape.ZMD", &BuildArrowStartMarker},
        {"Marker_ConeShape.ZMD", &BuildConeMarker},
        {"TeamRingShape.ZMD", &BuildTeamRing},
        // Tools.
        {"SmokeBomb.ZMD", &BuildSmokeBomb},
        {"CaltropBagShape.ZMD", &BuildCaltropBag},
        {"CaltropFieldTCRedShape.ZMD", [] { return BuildCaltropField(true); }},
        {"CaltropFieldTCBlueShape.ZMD", [] { return BuildCaltropField(false); }},
        {"StickyTrapJar.ZMD", &BuildStickyTrapJar},
        {"StickyTrap1Shape.ZMD", [] { return BuildStickyTrapPuddle(1); }},
        {"StickyTrap2Shape.ZMD", [] { return BuildStickyTrapPuddle(2); }},
        {"StickyTrap3Shape.ZMD", [] { return BuildStickyTrapPuddle(3); }},
        {"flashbang_Shape.ZMD", &BuildFlashBang},
        // Level props.
        {"GroundShape.ZMD", &BuildNightGround},
        {"GardenGroundShape.ZMD", &BuildGardenGround},
        {"ArenaWallShape.ZMD", &BuildArenaWall},
        {"StoneWallShape.ZMD", &BuildStoneWall},
        {"StonePillarShape.ZMD", &BuildStonePillar},
        {"GardenWallShape.ZMD", &BuildGardenWall},
        {"BambooFenceShape.ZMD", &BuildBambooFence},
        {"KoiPondShape.ZMD", &BuildKoiPond},
        {"CrateShape.ZMD", &BuildCrate},
        {"BarrelShape.ZMD", &BuildBarrel},
        {"BrazierShape.ZMD", &BuildBrazier},
        {"TorchShape.ZMD", &BuildTorch},
        {"StoneLanternShape.ZMD", &BuildStoneLantern},
        {"GardenRockShape.ZMD", &BuildGardenRock},
        {"TreeShape.ZMD", &BuildTree},
        {"SakuraTreeShape.ZMD", &BuildSakuraTree},
        {"MapleTreeShape.ZMD", &BuildMapleTree},
        {"BushShape.ZMD", &BuildBush},
        {"BigBirdShape.ZMD", &BuildBigBird},
    };
}
