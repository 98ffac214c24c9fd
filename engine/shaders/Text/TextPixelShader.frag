#version 330 core
// The text colour with its alpha scaled by the glyph's coverage. Glyphs sit on whole pixels and the atlas is
// sampled without filtering, so every pixel reads exactly one coverage texel.

uniform sampler2D glyphAtlas;  // single channel: coverage in red

in vec2 vAtlas;
in vec4 vColour;

out vec4 colour;

void main() {
    float coverage = texture(glyphAtlas, vAtlas / vec2(textureSize(glyphAtlas, 0))).r;
    colour = vec4(vColour.rgb, vColour.a * coverage);
}
