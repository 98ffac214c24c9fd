#version 330 core
// A blade into the G-buffers as the scene pass writes them: G-buffer 0 the blade's colour with the fog's
// visibility in alpha, G-buffer 1 the view-space normal packed into 0..1 with alpha 1. The geometry shader
// has sampled the pictures once per blade, so a pixel only stores. The shadow map darkens the blades in the
// composition, from their depth, as it does every surface. No pixel is discarded, so that the depth test
// rejects hidden pixels early.

in vec3 gColour;
flat in vec3 gNormal;
flat in float gFog;

layout(location = 0) out vec4 gBuffer0;
layout(location = 1) out vec4 gBuffer1;

void main() {
    gBuffer0 = vec4(gColour, gFog);
    gBuffer1 = vec4(gNormal * 0.5 + 0.5, 1.0);
}
