#version 330 core
// Models lit straight into the bound target: the scene's directional light (ambient, diffuse and specular)
// with the shadow map, and fog. Lighting is done in view space; the light's world direction is turned with the
// view. Alpha is the texture's, for translucent objects drawn with blending on.

layout(std140) uniform SceneMatrices {
    mat4 world;
    mat4 view;
    mat4 projection;
    mat4 lightView;
    mat4 lightProjection;
    // Made once per draw from the world matrix (the identity for instanced draws).
    mat4 worldView;
    mat4 worldViewProjection;
    mat4 worldLight;  // into the light's clip space
};

layout(std140) uniform Fog {
    vec4 fog;  // start, end, density
};

layout(std140) uniform Frame {
    vec4 ambient;
    vec4 diffuse;
    vec4 specular;
    vec4 lightDirection;  // world direction the light travels
    vec4 cameraPosition;
};

layout(std140) uniform ShadowMapSize {
    vec4 shadowMapSize;  // width in x
};

uniform sampler2D diffuseTexture;  // slot 0
uniform sampler2D normalMap;       // slot 1
uniform sampler2D shadowMap;       // slot 2: depth from the shadow light, 1 where nothing was drawn

in vec2 vTexcoord;
in vec3 vNormal;
in vec3 vTangent;
in vec3 vViewPosition;
in vec4 vLightClip;

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

vec3 SurfaceNormal() {
    float lengthSquared = dot(vNormal, vNormal);
    vec3 n = lengthSquared > 1e-12 ? vNormal * inversesqrt(lengthSquared) : vec3(0.0, 0.0, -1.0);
    vec4 bump = texture(normalMap, vTexcoord);
    vec3 t = vTangent - dot(vTangent, n) * n;
    if (bump.a > 0.0 && dot(t, t) > 1e-12) {
        t = normalize(t);
        vec3 b = cross(n, t);
        vec3 bent = mat3(t, b, n) * (bump.xyz * 2.0 - 1.0);
        float bentSquared = dot(bent, bent);
        if (bentSquared > 1e-12) {
            n = bent * inversesqrt(bentSquared);
        }
    }
    return n;
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
    vec4 albedo = texture(diffuseTexture, vTexcoord);
    vec3 n = SurfaceNormal();
    vec3 l = -normalize(mat3(view) * lightDirection.xyz);
    float facing = max(dot(n, l), 0.0);
    float shadow = facing > 0.0 ? ShadowFactor(vLightClip) : 0.0;
    vec3 h = normalize(l + normalize(-vViewPosition));
    float shine = facing > 0.0 ? pow(max(dot(n, h), 0.0), kShininess) : 0.0;
    vec3 lit = albedo.rgb * (ambient.rgb + diffuse.rgb * facing * shadow) +
               specular.rgb * shine * shadow * kSpecularStrength;
    colour = vec4(lit * FogVisibility(length(vViewPosition)), albedo.a);
}
