#version 330 core
// Each particle becomes a sprite that faces the camera: a quad of the particle's width and height, turned by
// its rotation about the line of sight. A particle of size 0 (a slot of the emitter without a live particle)
// emits nothing. The matrices arrive as the client built them: position = projection * view * world * p.

layout(points) in;
layout(triangle_strip, max_vertices = 4) out;

layout(std140) uniform ParticleMatrices {
    mat4 world;
    mat4 view;
    mat4 projection;
};

in vec2 vSize[];
in vec4 vColour[];
in float vRotation[];

out vec2 gTexcoord;
out vec4 gColour;

void main() {
    vec2 size = vSize[0];
    if (size.x <= 0.0 || size.y <= 0.0) {
        return;
    }
    vec4 centre = view * world * gl_in[0].gl_Position;
    float c = cos(vRotation[0]);
    float s = sin(vRotation[0]);
    mat2 turn = mat2(c, s, -s, c);
    // Top left, top right, bottom left, bottom right: two clockwise triangles.
    const vec2 corners[4] = vec2[4](vec2(-0.5, 0.5), vec2(0.5, 0.5), vec2(-0.5, -0.5), vec2(0.5, -0.5));
    for (int i = 0; i < 4; ++i) {
        vec2 offset = turn * (corners[i] * size);
        vec4 clip = projection * (centre + vec4(offset, 0.0, 0.0));
        gl_Position = vec4(clip.x, clip.y, 2.0 * clip.z - clip.w, clip.w);
        gTexcoord = vec2(corners[i].x + 0.5, 0.5 - corners[i].y);
        gColour = vColour[0];
        EmitVertex();
    }
    EndPrimitive();
}
