// GE's effect pipelines: grass, particles, trails, the sudden-death sheet and aim markers.
#include "GESubmit.h"

namespace Lumaspace {

void GE::RenderFoliage() {
    Submit(command::RenderFoliage{});
}

void GE::RenderParticles(BufferHandle buffer, int count, const glm::mat4& world, TextureHandle texture,
                         bool fire) {
    Submit(command::RenderParticles{buffer, count, world, texture, fire});
}

void GE::PrepareRenderTrails() {
    Submit(command::PrepareRenderTrails{});
}

void GE::RenderTrail(BufferHandle buffer, int count, TextureHandle texture) {
    Submit(command::RenderTrail{buffer, count, texture});
}

void GE::RenderSuddenDeath(BufferHandle buffer, int count, TextureHandle texture, float alpha) {
    Submit(command::RenderSuddenDeath{buffer, count, texture, alpha});
}

void GE::RenderMarker(BufferHandle buffer, int count, const glm::mat4& world, TextureHandle texture) {
    Submit(command::RenderMarker{buffer, count, world, texture});
}

}  // namespace Lumaspace
