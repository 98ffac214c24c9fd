#version 330 core
// Where the visibility texture marks a place as seen (red above one half) nothing is drawn; everywhere else the
// shadow texture shows, with its own alpha. The visibility texture is a render target, sampled from its clip
// space without a y flip.

uniform sampler2D visibilityTexture;  // slot 0
uniform sampler2D shadowTexture;      // slot 1

in vec2 vTexcoord;
in vec4 vVisibilityClip;

out vec4 colour;

void main() {
    vec2 uv = vVisibilityClip.xy / vVisibilityClip.w * 0.5 + 0.5;
    if (textureLod(visibilityTexture, uv, 0.0).r > 0.5) {
        discard;
    }
    colour = texture(shadowTexture, vTexcoord);
}
