#version 330 core
// Each root grows one blade: a tapering triangle standing on the floor, turned to face the camera across its
// width, as tall as its cell is bright, its tip swaying with the sway value along world x (each blade by its
// own share) and leaning a little along z. The blade is wound clockwise on screen whichever way the camera
// looks, so back-face culling keeps it. Everything the pixels need is worked out once per blade here: the
// grass picture's colour at the root and at the tip (its full-size level: smaller levels mix in the
// transparent black around the picture's blade), the normal bent by the normal map, in view space as the
// G-buffer stores it, and the fog's visibility at the blade's distance from the eye, as the scene pass
// computes it.

layout(points) in;
layout(triangle_strip, max_vertices = 3) out;

layout(std140) uniform FoliageMatrices {
    mat4 world;
    mat4 view;
    mat4 projection;
    mat4 lightView;
    mat4 lightProjection;
};

layout(std140) uniform FoliageFrame {
    vec4 sway;  // x: the sway value, -0.5 .. 0.5
    vec4 fog;   // the scene's fog: start, end, density
};

uniform sampler2D grassTexture;  // slot 0
uniform sampler2D normalMap;     // slot 1

// The blade's shape; the engine's view cull leaves room for exactly this much.
const float kBaseHeight = 0.35;
const float kHeightPerBrightness = 0.45;
const float kHalfWidth = 0.07;
const float kLean = 0.3;
// Where the picture's blade is sampled: its foot and its tip, down the middle.
const vec2 kRootTexcoord = vec2(0.5, 0.97);
const vec2 kTipTexcoord = vec2(0.5, 0.1);

in float vBrightness[];
in vec2 vOffset[];

out vec3 gColour;
flat out vec3 gNormal;
flat out float gFog;

float FogVisibility(float distance) {
    if (fog.y <= fog.x) {
        return 1.0;
    }
    float linear = clamp((fog.y - distance) / (fog.y - fog.x), 0.0, 1.0);
    float beyond = max(distance - fog.x, 0.0) * fog.z;
    return linear * exp(-beyond * beyond);
}

void main() {
    vec4 root = world * gl_in[0].gl_Position;
    // The camera's right laid flat on the floor spans the blade's width.
    vec3 right = vec3(view[0][0], view[1][0], view[2][0]);
    right.y = 0.0;
    right = dot(right, right) > 1e-8 ? normalize(right) : vec3(1.0, 0.0, 0.0);
    float height = kBaseHeight + kHeightPerBrightness * vBrightness[0];
    vec3 lean = vec3(sway.x * kLean * (0.5 + 0.5 * vOffset[0].x), 0.0, (vOffset[0].y - 0.5) * 0.1);
    vec4 corners[3] = vec4[3](root + vec4(right * kHalfWidth, 0.0), root - vec4(right * kHalfWidth, 0.0),
                              root + vec4(lean.x, height, lean.z, 0.0));

    vec4 clips[3];
    for (int i = 0; i < 3; ++i) {
        clips[i] = projection * (view * corners[i]);
    }
    // Clockwise on screen: swap the two base corners when the camera sees the other side.
    vec2 a = clips[0].xy / clips[0].w;
    vec2 b = clips[1].xy / clips[1].w;
    vec2 c = clips[2].xy / clips[2].w;
    float turn = (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x);
    int order[3] = turn > 0.0 ? int[3](1, 0, 2) : int[3](0, 1, 2);

    // The face leans back towards the sky, so that blades light much like the floor they cover.
    vec3 axis = normalize(corners[2].xyz - root.xyz);
    vec3 facing = normalize(cross(axis, right));
    vec3 eye = -(transpose(mat3(view)) * view[3].xyz);
    if (dot(facing, eye - root.xyz) < 0.0) {
        facing = -facing;
    }
    vec3 n = normalize(facing * 0.4 + vec3(0.0, 0.6, 0.0));
    vec4 bump = textureLod(normalMap, vec2(0.5, 0.5), 0.0);
    if (bump.a > 0.0) {
        n = normalize(mat3(right, cross(n, right), n) * (bump.xyz * 2.0 - 1.0));
    }
    vec3 rootColour = textureLod(grassTexture, kRootTexcoord, 0.0).rgb;
    vec3 colours[3] = vec3[3](rootColour, rootColour, textureLod(grassTexture, kTipTexcoord, 0.0).rgb);
    vec3 viewNormal = mat3(view) * n;
    float visibility = FogVisibility(length((view * root).xyz));
    for (int i = 0; i < 3; ++i) {
        vec4 clip = clips[order[i]];
        gl_Position = vec4(clip.xy, 2.0 * clip.z - clip.w, clip.w);
        gColour = colours[order[i]];
        gNormal = viewNormal;
        gFog = visibility;
        EmitVertex();
    }
    EndPrimitive();
}
