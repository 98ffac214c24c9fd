#version 330 core
// Screen-space quads. The world matrix and the orthographic projection arrive as the client built them; their
// bytes are the column-vector matrices of the same transforms, so the position is projection * world * p.
// Opacity is handed on to the pixel shader.

layout(std140) uniform GUIBuffer {
    mat4 world;
    mat4 projection;
    float opacity;
};

layout(location = 0) in vec3 position;
layout(location = 1) in vec2 texcoord;

out vec2 vTexcoord;
out float vOpacity;

void main() {
    vec4 clip = projection * world * vec4(position, 1.0);
    // Quads are drawn in queue order without a depth test; whatever their depth, keep them inside the clip
    // volume so that none is cut away.
    gl_Position = vec4(clip.xy, 0.0, clip.w);
    vTexcoord = texcoord;
    vOpacity = opacity;
}
