#version 330 core
// Turns a light's point into its screen rectangle (clockwise, so culling keeps it), handing the light on to
// every pixel. An empty rectangle (the light is off screen) emits nothing.

layout(points) in;
layout(triangle_strip, max_vertices = 4) out;

in vec4 vRectangle[];
in vec4 vAmbient[];
in vec4 vDiffuse[];
in vec4 vSpecular[];
in vec4 vPositionRange[];

flat out vec4 gAmbient;
flat out vec4 gDiffuse;
flat out vec4 gSpecular;
flat out vec4 gPositionRange;

void Corner(float x, float y) {
    gAmbient = vAmbient[0];
    gDiffuse = vDiffuse[0];
    gSpecular = vSpecular[0];
    gPositionRange = vPositionRange[0];
    gl_Position = vec4(x, y, 0.0, 1.0);
    EmitVertex();
}

void main() {
    vec4 r = vRectangle[0];
    if (r.x >= r.z || r.y >= r.w) {
        return;
    }
    Corner(r.x, r.y);
    Corner(r.x, r.w);
    Corner(r.z, r.y);
    Corner(r.z, r.w);
    EndPrimitive();
}
