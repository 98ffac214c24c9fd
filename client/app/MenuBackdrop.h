// The lit arena behind the main menu and the lobby: the level's objects seen by the overview camera under the
// night light, with the shadow map, the G-buffers, ambient occlusion when it is switched on, and the
// composition into the back buffer. The state draws its pages first; they reach the GUI queue, which the
// application draws over the scene.
#pragma once

#include <string>

#include "Lumagrid/EngineTypes.h"
#include "client/world/ObjectManager.h"

class Camera;
class PlayerManager;

class MenuBackdrop {
public:
    // The night light of both menu scenes (the shadows follow the overview camera's sweeping light).
    static Lumaspace::DirectionalLight NightLight();

    // Builds the level's objects (a level that does not load leaves the arena empty).
    void Initialize(const std::string& levelName);
    // Releases the objects and their instance buffers. Safe twice and before Initialize.
    void Shutdown();
    // After the camera's update: the view the objects are culled against, then the objects' frame.
    void Update(double frameTime, const Camera& camera);
    // The shadow pass, the scene pass and the composition. The lobby's players, when given, are drawn with
    // the animated objects in both passes (the lobby's manager culls them).
    void Render(const Camera& camera, bool ambientOcclusion, PlayerManager* players = nullptr);

    const ObjectManager& Objects() const { return m_objects; }

private:
    ObjectManager m_objects;
    Lumaspace::DirectionalLight m_light = NightLight();
};
