#version 330 core
// Each segment (a pair of samples) becomes a flat ribbon piece on the ground plane, as wide as its samples,
// spread across the segment's direction (across the owner's facing when the segment has no length on the
// ground). Each end fades with its age over its lifetime, and the end that trails behind the owner (tail
// flag 1) fades to nothing, so the ribbon thins out behind the owner.

layout(lines) in;
layout(triangle_strip, max_vertices = 4) out;

layout(std140) uniform TrailMatrices {
    mat4 world;
    mat4 view;
    mat4 projection;
};

in float vAngle[];
in float vWidth[];
in vec2 vTimes[];
in vec4 vColour[];
in float vTail[];

out vec2 gTexcoord;
out vec4 gColour;

void main() {
    vec4 ends[2] = vec4[2](world * gl_in[0].gl_Position, world * gl_in[1].gl_Position);
    vec2 along = ends[1].xz - ends[0].xz;
    vec2 direction = dot(along, along) > 1e-8 ? normalize(along) : vec2(cos(vAngle[0]), sin(vAngle[0]));
    vec4 across = vec4(-direction.y, 0.0, direction.x, 0.0);
    for (int i = 0; i < 2; ++i) {
        float lifetime = max(vTimes[i].x, 1e-6);
        float life = clamp(1.0 - vTimes[i].y / lifetime, 0.0, 1.0);
        vec4 colour = vec4(vColour[i].rgb, vColour[i].a * life * (1.0 - vTail[i]));
        for (int side = 0; side < 2; ++side) {
            vec4 corner = ends[i] + across * (vWidth[i] * (side == 0 ? 0.5 : -0.5));
            vec4 clip = projection * view * corner;
            gl_Position = vec4(clip.x, clip.y, 2.0 * clip.z - clip.w, clip.w);
            gTexcoord = vec2(life, float(side));
            gColour = colour;
            EmitVertex();
        }
    }
    EndPrimitive();
}
