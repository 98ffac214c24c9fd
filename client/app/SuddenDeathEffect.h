// The sudden-death mist: a translucent textured sheet over the arena floor with the safe square left open
// (SuddenDeathSheet), fading in to 65 % opacity, rising to 2.5 units over the floor and scrolling its texture
// one width every 200 seconds, with the notice "Sudden death! Only the center is safe!" over the match.
// The match updates and draws it only while the server reports sudden death; its fade, height and scroll
// start with the match and carry on across rounds.
//
// The engine draws the sheet through the camera it was last given. Without the sheet's texture (or when the
// engine refuses its vertex buffer) only the notice shows; the engine switches the sheet off itself when its
// shaders are missing.
#pragma once

#include "Lumagrid/Handles.h"
#include "client/app/SuddenDeathSheet.h"
#include "client/ui/TextObject.h"

class SuddenDeathEffect {
public:
    static constexpr const char* kTexture = "../Ombrin/2DTextures/Particles/SuddenDeathTexture.png";
    static constexpr const char* kNotice = "Sudden death! Only the center is safe!";
    static constexpr float kNoticeSize = 50.0f;
    static constexpr float kMaxAlpha = 0.65f;
    static constexpr float kFadeRate = 0.035f;    // alpha per second
    static constexpr float kTopHeight = 2.5f;     // the sheet stops rising once it reaches this
    static constexpr float kRiseRate = 0.1f;      // units per second
    static constexpr float kScrollRate = 0.005f;  // texture widths per second

    SuddenDeathEffect() = default;
    ~SuddenDeathEffect();
    SuddenDeathEffect(const SuddenDeathEffect&) = delete;
    SuddenDeathEffect& operator=(const SuddenDeathEffect&) = delete;

    // The notice a quarter of the window's height above its centre; the sheet at rest (transparent, on the
    // floor, unscrolled) in a fresh vertex buffer, and the texture from the texture library. True when the
    // sheet can be drawn; false leaves only the notice.
    bool Initialize(float windowHeight);
    void Shutdown();

    // One update's fade, rise and scroll (frameTime in seconds); the sheet's vertices follow them.
    void Update(double frameTime);
    // Queues the notice and draws the sheet, translucent and from both sides.
    void Render() const;

    float Alpha() const { return m_alpha; }
    float Height() const { return m_height; }
    float Scroll() const { return m_scroll; }
    const SuddenDeathSheetVertices& Vertices() const { return m_vertices; }
    const TextObject& Notice() const { return m_notice; }
    bool CanDrawSheet() const { return m_buffer && m_texture; }

private:
    void Upload();

    TextObject m_notice;
    SuddenDeathSheetVertices m_vertices = SuddenDeathSheet(0.0f, 0.0f);
    float m_alpha = 0.0f;
    float m_height = 0.0f;
    float m_scroll = 0.0f;
    Lumaspace::BufferHandle m_buffer;
    Lumaspace::TextureHandle m_texture;  // the texture library's
};
