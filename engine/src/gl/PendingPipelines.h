// Pipelines the engine starts with but does not draw with yet: the scene, depth, particle and foliage
// pipelines and the screen-space composition. Each starts successfully and owns nothing, so start-up does not
// need their shader files until they are built; their operations are added together with their shaders.
#pragma once

namespace Lumaspace {

class PendingPipeline {
public:
    bool Initialize() { return true; }
    void Shutdown() {}
};

class SceneShader : public PendingPipeline {};
class ParticleShader : public PendingPipeline {};
class DepthShader : public PendingPipeline {};
class FoliageShader : public PendingPipeline {};
class ScreenSpace : public PendingPipeline {};

}  // namespace Lumaspace
