#version 330 core
// One triangle that covers the whole target, from the vertex number alone (no vertex buffer). It runs
// clockwise, like every front face, so culling never removes it. The pixel shaders work from gl_FragCoord.

void main() {
    gl_Position = vec4(gl_VertexID == 2 ? 3.0 : -1.0, gl_VertexID == 1 ? 3.0 : -1.0, 0.0, 1.0);
}
