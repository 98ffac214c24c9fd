#version 330 core
// One point light's share, added into the target: ambient and diffuse on the surface colour and a specular
// highlight, fading to nothing at the light's range and dimmed by the fog. Pixels beyond the range or without
// geometry are left alone.

layout(std140) uniform Fog {
    vec4 fog;  // start, end, density
};

layout(std140) uniform ScreenBuffer {
    vec4 ambient;
    vec4 diffuse;
    vec4 specular;
    vec4 lightDirection;
    vec4 cameraPosition;
    mat4 projection;
    mat4 viewToShadow;
};

uniform sampler2D gBuffer1;    // slot 3: normal
uniform sampler2D gBuffer0;    // slot 4: colour
uniform sampler2D sceneDepth;  // slot 5

flat in vec4 gAmbient;
flat in vec4 gDiffuse;
flat in vec4 gSpecular;
flat in vec4 gPositionRange;

out vec4 colour;

const float kShininess = 24.0;
const float kSpecularStrength = 0.2;

// The share of the colour that survives the fog at this distance from the eye: 1 up to the start, then falling
// with the density, and 0 at the end. Without a range (end not beyond start) there is no fog.
float FogVisibility(float distance) {
    if (fog.y <= fog.x) {
        return 1.0;
    }
    float linear = clamp((fog.y - distance) / (fog.y - fog.x), 0.0, 1.0);
    float beyond = max(distance - fog.x, 0.0) * fog.z;
    return linear * exp(-beyond * beyond);
}

vec3 ViewPosition(vec2 ndc, float depth) {
    float viewZ = (projection[3][2] - depth * projection[3][3]) / (depth * projection[2][3] - projection[2][2]);
    float w = projection[2][3] * viewZ + projection[3][3];
    return vec3((ndc.x * w - projection[2][0] * viewZ - projection[3][0]) / projection[0][0],
                (ndc.y * w - projection[2][1] * viewZ - projection[3][1]) / projection[1][1], viewZ);
}

void main() {
    ivec2 pixel = ivec2(gl_FragCoord.xy);
    float depth = texelFetch(sceneDepth, pixel, 0).r;
    if (depth >= 1.0) {
        discard;
    }
    vec3 p = ViewPosition(gl_FragCoord.xy / vec2(textureSize(sceneDepth, 0)) * 2.0 - 1.0, depth);
    vec3 toLight = gPositionRange.xyz - p;
    float distance = length(toLight);
    float range = gPositionRange.w;
    if (distance >= range) {
        discard;
    }
    vec3 albedo = texelFetch(gBuffer0, pixel, 0).rgb;
    vec3 n = normalize(texelFetch(gBuffer1, pixel, 0).xyz * 2.0 - 1.0);
    vec3 l = distance > 1e-4 ? toLight / distance : n;
    float fade = 1.0 - distance / range;
    fade *= fade;
    float facing = max(dot(n, l), 0.0);
    vec3 h = normalize(l + normalize(-p));
    float shine = facing > 0.0 ? pow(max(dot(n, h), 0.0), kShininess) : 0.0;
    vec3 lit = albedo * (gAmbient.rgb + gDiffuse.rgb * facing) + gSpecular.rgb * shine * kSpecularStrength;
    colour = vec4(lit * fade * FogVisibility(length(p)), 0.0);
}
