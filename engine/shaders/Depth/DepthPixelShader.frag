#version 330 core
// The shadow map's value: the depth seen from the light (0 near .. 1 far). Transparent texels (leaves, cut-outs)
// cast no shadow.

uniform sampler2D diffuseTexture;  // slot 0

in vec2 vTexcoord;

out vec4 depth;

void main() {
    if (textureLod(diffuseTexture, vTexcoord, 0.0).a < 0.5) {
        discard;
    }
    depth = vec4(gl_FragCoord.z);
}
