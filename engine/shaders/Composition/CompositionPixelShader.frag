#version 330 core
// The directional light over the G-buffers, added into the target: ambient (scaled by the ambient occlusion),
// diffuse and specular, the diffuse and specular only where the shadow map shows the light reaching the point,
// all dimmed by the fog at the pixel's distance from the eye. The view-space position comes from the depth and
// the camera's projection. Pixels where no geometry was drawn (depth 1) add nothing.

layout(std140) uniform Fog {
    vec4 fog;  // start, end, density
};

layout(std140) uniform ScreenBuffer {
    vec4 ambient;
    vec4 diffuse;
    vec4 specular;
    vec4 lightDirection;  // in view space, unit length: the way the light travels
    vec4 cameraPosition;
    mat4 projection;
    mat4 viewToShadow;  // view space to the shadow map's clip space
};

layout(std140) uniform ShadowMapSize {
    vec4 shadowMapSize;  // width in x
};

uniform sampler2D shadowMap;         // slot 2
uniform sampler2D gBuffer1;          // slot 3: normal
uniform sampler2D gBuffer0;          // slot 4: colour
uniform sampler2D sceneDepth;        // slot 5
uniform sampler2D ambientOcclusion;  // slot 6: half size, 1 = open

out vec4 colour;

const float kShadowBias = 0.0002;
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

// 1 where the shadow light reaches the point, 0 where something nearer the light covers it. The four map texels
// around the point are compared and the results blended by the point's place between them (a texel grid of the
// shadow-map width, its height in the map's proportion), which softens the edge at one fetch per texel. Points
// outside the map are lit.
float ShadowFactor(vec4 lightClip) {
    vec3 p = lightClip.xyz / lightClip.w;
    vec2 uv = p.xy * 0.5 + 0.5;
    if (any(lessThan(uv, vec2(0.0))) || any(greaterThan(uv, vec2(1.0))) || p.z >= 1.0) {
        return 1.0;
    }
    ivec2 size = textureSize(shadowMap, 0);
    float width = shadowMapSize.x > 0.0 ? shadowMapSize.x : float(size.x);
    vec2 grid = vec2(width, width * float(size.y) / float(size.x));
    vec2 position = uv * grid - 0.5;
    vec2 blend = fract(position);
    vec2 toMap = vec2(size) / grid;  // 1 when the width is the map's
    ivec2 first = clamp(ivec2(floor(position) * toMap), ivec2(0), size - 1);
    ivec2 second = clamp(ivec2((floor(position) + 1.0) * toMap), ivec2(0), size - 1);
    float depth = p.z - kShadowBias;
    vec4 lit = step(vec4(depth), vec4(texelFetch(shadowMap, first, 0).r,
                                      texelFetch(shadowMap, ivec2(second.x, first.y), 0).r,
                                      texelFetch(shadowMap, ivec2(first.x, second.y), 0).r,
                                      texelFetch(shadowMap, second, 0).r));
    return mix(mix(lit.x, lit.y, blend.x), mix(lit.z, lit.w, blend.x), blend.y);
}

void main() {
    ivec2 pixel = ivec2(gl_FragCoord.xy);
    float depth = texelFetch(sceneDepth, pixel, 0).r;
    if (depth >= 1.0) {
        colour = vec4(0.0);
        return;
    }
    vec2 uv = gl_FragCoord.xy / vec2(textureSize(sceneDepth, 0));
    vec3 p = ViewPosition(uv * 2.0 - 1.0, depth);
    vec3 albedo = texelFetch(gBuffer0, pixel, 0).rgb;
    vec3 n = normalize(texelFetch(gBuffer1, pixel, 0).xyz * 2.0 - 1.0);
    float occlusion = textureLod(ambientOcclusion, uv, 0.0).r;

    vec3 l = -lightDirection.xyz;
    float facing = max(dot(n, l), 0.0);
    float shadow = facing > 0.0 ? ShadowFactor(viewToShadow * vec4(p, 1.0)) : 0.0;
    vec3 h = normalize(l + normalize(-p));
    float shine = facing > 0.0 ? pow(max(dot(n, h), 0.0), kShininess) : 0.0;
    vec3 lit = albedo * (ambient.rgb * occlusion + diffuse.rgb * facing * shadow) +
               specular.rgb * shine * shadow * kSpecularStrength;
    colour = vec4(lit * FogVisibility(length(p)), 1.0);
}
