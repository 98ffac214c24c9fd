// The match's frame on the engine: the shadow pass, the scene into the G-buffers, ambient occlusion and
// depth of field as the settings say, the line-of-sight overlay, the heads-up display, the outlines, the
// menus and the notices.
#include "Lumagrid/GE.h"
#include "client/app/ClientGlobals.h"
#include "client/app/PlayingState.h"
#include "client/app/Settings.h"
#include "client/net/ClientNetwork.h"
#include "client/ui/DeathBoard.h"
#include "client/ui/GUIQueue.h"
#include "client/ui/TextureLibrary.h"

using Lumaspace::GE;

void PlayingState::Render() {
    if (!m_initialized) {
        return;
    }
    GE& engine = *GE::GetInstance();
    RenderScene();

    engine.SetForwardRenderTarget();
    engine.TurnOnAlphaBlending();
    engine.ResetRenderTarget();
    engine.SetDepthStateForParticles();
    engine.RenderVisibilityPolygon(m_network.matchOver,
                                   TextureLibrary::GetInstance().GetTexture(kShadowTexture));
    engine.TurnOnDepthStencil();
    if (m_shared.particles != nullptr && m_shared.trails != nullptr) {
        m_players.RenderEffects(*m_shared.particles, *m_shared.trails);
        m_flashBangs.RenderEffects(*m_shared.particles, *m_shared.trails);
        m_runes.RenderEffects(*m_shared.particles);
    }

    RenderHud();
    engine.TurnOffAlphaBlending();
    // The sudden-death mist is drawn here while the server reports one.
    if (m_network.suddenDeath) {
        m_suddenDeath.Render();
    }

    engine.ClearOutlining();
    engine.SetOutliningPassOne();
    m_players.RenderOutlineDepth();
    engine.SetOutliningPassTwo();
    m_players.RenderOutlines();

    if (m_menuOpen && !m_network.matchOver) {
        m_pauseMenu.Render();
    }
    if (m_showScoreboard) {
        m_scoreboard.Render();
    }
    m_notices.Render();
    engine.ResetRenderTarget();
}

void PlayingState::RenderScene() {
    GE& engine = *GE::GetInstance();
    const Settings& settings = Settings::GetInstance();
    m_light.cameraPosition = glm::vec4(m_camera.GetEye(), 0.0f);

    engine.BeginRenderToShadowMap();
    engine.PrepareRenderAnimatedDepth();
    m_objects.RenderAnimatedDepth();
    m_players.RenderShadowDepth();
    engine.PrepareRenderDepthInstanced();
    m_objects.RenderDepthInstanced();
    engine.PrepareRenderDepth();
    m_objects.RenderDepth();
    m_runes.RenderDepth();

    engine.SetShadowMap();
    engine.SetSceneDirectionalLight(m_light);
    engine.ClearRenderTargetsForGBuffers();
    engine.SetRenderTargetsForGBuffers();
    // The flash-bang's white screen and the players' rune effects (stealth tint, shield, heal) queue here.
    const ClientGlobals& globals = ClientGlobals::GetInstance();
    const ScreenProjection screen{m_camera.GetView(), m_camera.GetProjection(),
                                  static_cast<float>(globals.windowWidth),
                                  static_cast<float>(globals.windowHeight)};
    m_flashBangs.Flash().Render(screen.windowWidth, screen.windowHeight);
    m_runeEffects.Render(static_cast<float>(globals.deltaTime), m_network.localPlayer,
                         m_network.remotePlayers, &m_players, screen, m_shared.particles);

    engine.PrepareRenderAnimated();
    m_objects.RenderAnimated();
    m_players.RenderScene();
    m_objects.RenderInstanced();
    engine.PrepareRenderScene();
    m_objects.Render();
    m_runes.Render();
    m_flashBangs.RenderScene();
    engine.RenderFoliage();

    if (settings.ssao) {
        engine.SetSSAOBuffer(m_camera.GetProjection());
        engine.RenderSSAO();
    }
    engine.SetScreenBuffer(m_light, m_camera.GetProjection(), m_camera.GetView());
    engine.SetPointLightLightBuffer(m_camera.GetView());
    if (settings.depthOfField) {
        engine.Composition();
        engine.ApplyDOF();
    } else {
        engine.CompositionForward();
    }
}

// Queued for the end of the frame, in this order: the victory screen, the minimap, the bars, the round
// display, the death board, the ability bar and the players' health bars and texts.
void PlayingState::RenderHud() {
    const bool matchOver = m_network.matchOver;
    if (matchOver) {
        m_victoryMenu.Render();
    }
    // The flash-bang's white screen hides the minimap while it blinds.
    if (!m_flashBangs.Flash().IsBlinding()) {
        m_minimap.Render();
    }
    m_statusBar.Render();
    m_roundDisplay.Render();
    if (m_shared.deathBoard != nullptr) {
        m_shared.deathBoard->Render();
    }
    m_abilityBar.Render();
    m_players.RenderOverlays(matchOver);
}
