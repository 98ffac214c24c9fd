// Builders of the static models: projectiles, rune pickups, aim markers, thrown tools and level props.
// Every builder returns the complete model, ready for the model writer. Sizes are in game units; props
// stand on y = 0, flying objects are centred on their origin.
#pragma once

#include "mesh/MeshBuilder.h"
#include "models/ModelAssembly.h"
#include "shared/ModelFileData.h"

// Projectiles (boxes for the server's hit tests). The kunai points along +z.
ModelFileData BuildShuriken();
ModelFileData BuildMegaShuriken();
ModelFileData BuildKunai();
ModelFileData BuildTessenFan();

// Rune pickups (boxes for the pickup test).
ModelFileData BuildLotus();
ModelFileData BuildInvisibilityScroll();
ModelFileData BuildShieldRune();

// Aim markers and the team ring, flat on y = 0. The circle has unit diameter, the arrow body is 0.1 long
// along x, the arrow head points along +x, the melee cone opens along +z, the ring has unit radius.
ModelFileData BuildCircleMarker();
ModelFileData BuildArrowEndMarker();
ModelFileData BuildArrowStartMarker();
ModelFileData BuildConeMarker();
ModelFileData BuildTeamRing();

// Thrown tools and what they leave behind.
ModelFileData BuildSmokeBomb();
ModelFileData BuildCaltropBag();
ModelFileData BuildCaltropField(bool red);
ModelFileData BuildStickyTrapJar();
ModelFileData BuildStickyTrapPuddle(int variant);
ModelFileData BuildFlashBang();

// Level architecture.
ModelFileData BuildNightGround();
ModelFileData BuildGardenGround();
ModelFileData BuildArenaWall();
ModelFileData BuildStoneWall();
ModelFileData BuildStonePillar();
ModelFileData BuildGardenWall();
ModelFileData BuildBambooFence();
ModelFileData BuildKoiPond();

// Level furniture.
ModelFileData BuildCrate();
ModelFileData BuildBarrel();
ModelFileData BuildBrazier();
ModelFileData BuildTorch();
ModelFileData BuildStoneLantern();
ModelFileData BuildGardenRock();

// Plants.
ModelFileData BuildTree();
ModelFileData BuildSakuraTree();
ModelFileData BuildMapleTree();
ModelFileData BuildBush();

// Selects a tile of an atlas for the following triangles.
inline void UseTile(MeshBuilder& mesh, int atlasSize, int tile) {
    mesh.SetUvMapping(AtlasTile(tile, atlasSize));
}
