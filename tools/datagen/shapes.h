// The demo's objects, each shaped for the scale, camera and field of view of
// the scene that shows it (sizes below are in file units, before that scale).
#pragma once

#include <vector>

#include "tools/datagen/obr.h"

// Spiky ball, tips at radius 180: inside distance 1 after the 0.005 scale.
SObrMesh makeSpikie();
// Faceted geodesic sphere of radius 24 (9.6 after 0.4): the camera at 5.5 sits inside.
SObrMesh makeGsphere();
// Bevelled cube of side 110 (3.3 after 0.03) for the helix of radius 7.
SObrMesh makeCube();
// Finely tessellated sphere of radius 100 (12 after 0.12).
SObrMesh makeHisphere();
// Barrel along +z from its lid at z 0 to its base at z 350 (35 after 0.1).
SObrMesh makeTonne();
// The room, facing inward: walls, the wall with a screen, floor, ceiling.
std::vector<SObrMesh> makeRoom();
// Long open tube about the z axis, symmetric about the origin.
SObrMesh makeTunnel();
// Flat subdivided picture grid in the xy plane, 4:3.
SObrMesh makeBildegrid();

// Room extents in file units, shared with the checks of the finale's cameras.
const float kRoomHalfWidth = 1500.0f;
const float kRoomCeilingZ = -400.0f;
const float kRoomFloorZ = 1150.0f;
