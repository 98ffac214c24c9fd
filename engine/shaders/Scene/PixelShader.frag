#version 330 core
// The G-buffer pass: G-buffer 0 takes the surface colour, G-buffer 1 the view-space normal (bent by the normal
// map) packed into 0..1, both with alpha 1 where geometry was drawn. Lighting and fog happen once per pixel in
// the composition. No pixel is discarded, so that the depth test rejects hidden pixels before they are shaded.

uniform sampler2D diffuseTexture;  // slot 0
uniform sampler2D normalMap;       // slot 1; alpha 0 (no texture) keeps the vertex normal

in vec2 vTexcoord;
in vec3 vNormal;
in vec3 vTangent;

layout(location = 0) out vec4 gBuffer0;
layout(location = 1) out vec4 gBuffer1;

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

void main() {
    gBuffer0 = vec4(texture(diffuseTexture, vTexcoord).rgb, 1.0);
    gBuffer1 = vec4(SurfaceNormal() * 0.5 + 0.5, 1.0);
}
