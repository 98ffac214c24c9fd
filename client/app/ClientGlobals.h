// The record of window, screen and frame facts that much of the client reads: one per process, created on
// first use and kept until exit. Sizes are pixels; the colours are the world-space team colours (RGBA).
#pragma once

#include <glm/vec4.hpp>
#include <string>

struct ClientGlobals {
    static ClientGlobals& GetInstance();

    bool fullscreen = false;
    int screenHeight = 0;  // the primary screen
    int screenWidth = 0;
    int defaultWindowHeight = 1024;
    int defaultWindowWidth = 1280;
    int windowHeight = 0;  // screenHeight when fullscreen, else defaultWindowHeight
    int windowWidth = 0;
    bool screenChanging = false;  // while set, frames are updated but not rendered
    bool cameraFollowsMouse = false;
    bool localPlayerDead = false;
    bool smartCastActive = false;
    float borderWidth = 0.0f;    // half the outer width minus the client width
    float captionHeight = 0.0f;  // outer height minus client height minus twice borderWidth
    glm::vec4 blueColor{0.0f, 0.07f, 0.71f, 1.0f};
    glm::vec4 redColor{0.71f, 0.0f, 0.03f, 1.0f};
    glm::vec4 darkBlueColor{0.0f, 0.07f, 0.41f, 1.0f};
    glm::vec4 darkRedColor{0.31f, 0.0f, 0.03f, 1.0f};
    std::string fpsText;
    bool soundEnabled = false;
    double deltaTime = 0.0;  // seconds of the current frame
};
