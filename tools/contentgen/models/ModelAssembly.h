// Puts a model file together from a mesh, its textures and its collision volumes.
#pragma once

#include <string>
#include <vector>

#include "mesh/MeshBuilder.h"
#include "shared/ModelFileData.h"
#include "textures/Surface.h"

// The texture rectangle of tile 0..3 of a 2 x 2 atlas (see MakeAtlas), inset by a texel and a half of an
// atlas of atlasSize texels, so that filtering never reaches the neighbouring tile.
UvMapping AtlasTile(int tile, int atlasSize);

// The whole texture, repeating every 1 / repeatsPerUnit units.
UvMapping RepeatingUv(float repeatsPerUnit);

CollisionBox Box(const glm::vec3& center, const glm::vec3& halfSize);
CollisionSphere Sphere(const glm::vec3& center, float radius);

// A static model (44-byte vertices). The header names the model.
ModelFileData StaticModel(const std::string& name, const MeshBuilder& mesh, const BakedTexture& texture,
                          std::vector<CollisionBox> boxes = {}, std::vector<CollisionSphere> spheres = {});

// A skinned model (60-byte vertices) with its animations.
ModelFileData SkinnedModel(const std::string& name, const MeshBuilder& mesh, const BakedTexture& texture,
                           std::vector<ModelAnimation> animations, std::vector<CollisionBox> boxes = {},
                           std::vector<CollisionSphere> spheres = {});
