#version 330 core
// The quad's texture with its alpha scaled by the element's opacity (1 = as drawn, 0 = invisible).

uniform sampler2D guiTexture;

in vec2 vTexcoord;
in float vOpacity;

out vec4 colour;

void main() {
    vec4 texel = texture(guiTexture, vTexcoord);
    colour = vec4(texel.rgb, texel.a * vOpacity);
}
