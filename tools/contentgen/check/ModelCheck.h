// Checks of one model file as the game's loader reads it.
#pragma once

#include <string>

#include "check/ContentRules.h"
#include "check/InspectedModel.h"
#include "check/Problems.h"

// Everything a model must satisfy: the skinned flag of its kind, a mesh of whole triangles with unit
// normals, tangents at right angles to them and front faces that run clockwise round their normals, both
// textures, the volumes its rule asks for, and for skinned models the skeleton and clip rules.
void CheckModel(const std::string& fileName, const InspectedModel& model, const ModelRule& rule,
                Problems& problems);

// The mesh rules alone (used for static and skinned models).
void CheckMesh(const std::string& fileName, const ModelFileData& file, Problems& problems);
