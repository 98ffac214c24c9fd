#include "client/ui/GUIElement.h"

#include "Lumagrid/GE.h"

glm::mat4 GUIElement::World() const {
    glm::mat4 world(1.0f);
    world[0][0] = width;
    world[1][1] = height;
    world[3] = glm::vec4(x, y, depth, 1.0f);
    return world;
}

void GUIElement::Render() const {
    Lumaspace::GE::GetInstance()->RenderGUI(World(), texture, opacity);
}
