// A thrown shuriken as the client shows it: it flies straight along its direction at its speed and spins
// about y until the server's list drops its id.
#pragma once

#include "client/world/MovingObject.h"

class Shuriken : public MovingObject {
public:
    static constexpr float kSpinRate = 15.7f;  // radians per second about y
    static constexpr float kLifetime = 3.0f;   // seconds
    static constexpr const char* kModel = "../Ombrin/Models/shurikenShape.ZMD";
    static constexpr const char* kMegaModel = "../Ombrin/Models/MegaShuriken_Shape.ZMD";

    void SetId(int id) { m_id = id; }
    int GetId() const { return m_id; }
    float GetRemainingLifetime() const { return m_lifetime; }

    // Moves by direction * speed * frameTime, spins and ages.
    void Update(double frameTime) override;

private:
    int m_id = 0;
    float m_lifetime = kLifetime;
};
