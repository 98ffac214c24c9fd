#version 330 core
// One glyph per instance: its rectangle in back-buffer pixels (origin top left, y down) and its place in the
// glyph atlas in texels, both as (left, top, right, bottom). The four vertices of a strip are the corners.

uniform vec2 targetSize;  // the back buffer in pixels

layout(location = 0) in vec4 rect;
layout(location = 1) in vec4 atlasRect;
layout(location = 10) in vec4 colour;

out vec2 vAtlas;
out vec4 vColour;

void main() {
    vec2 corner = vec2(float(gl_VertexID & 1), float(gl_VertexID >> 1));
    vec2 pixel = mix(rect.xy, rect.zw, corner);
    // Clip space has y up: the top row of the back buffer is y = 1.
    gl_Position = vec4(pixel.x / targetSize.x * 2.0 - 1.0, 1.0 - pixel.y / targetSize.y * 2.0, 0.0, 1.0);
    vAtlas = mix(atlasRect.xy, atlasRect.zw, corner);
    vColour = colour;
}
