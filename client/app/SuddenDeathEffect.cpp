#include "client/app/SuddenDeathEffect.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <span>

#include "Lumagrid/GE.h"
#include "client/app/DebugLog.h"
#include "client/ui/GUIQueue.h"
#include "client/ui/TextureLibrary.h"

using Lumaspace::GE;

namespace {

constexpr std::uint32_t kWhite = 0xFFFFFFFFu;

}  // namespace

SuddenDeathEffect::~SuddenDeathEffect() {
    Shutdown();
}

bool SuddenDeathEffect::Initialize(float windowHeight) {
    Shutdown();
    m_notice.CreateText(kWhite, kNotice, kNoticeSize, 0.0f, 0.25f * windowHeight);
    m_alpha = 0.0f;
    m_height = 0.0f;
    m_scroll = 0.0f;
    m_vertices = SuddenDeathSheet(m_height, m_scroll);
    m_buffer = GE::GetInstance()->CreateDynamicBuffer(sizeof(m_vertices));
    if (!m_buffer) {
        DebugLog::Write("Failed to create sudden death vertex buffer.");
    }
    Upload();
    m_texture = TextureLibrary::GetInstance().GetTexture(kTexture);
    if (!m_texture) {
        DebugLog::Write("The sudden death texture is missing; only the notice shows.");
    }
    if (CanDrawSheet()) {
        DebugLog::Write("Sudden death state initialized successfully.");
    }
    return CanDrawSheet();
}

void SuddenDeathEffect::Shutdown() {
    m_notice.Release();
    if (m_buffer) {
        if (GE* engine = GE::GetInstanceIfCreated(); engine != nullptr) {
            engine->ReleaseBuffer(m_buffer);
        }
        m_buffer = {};
    }
    m_texture = {};
}

void SuddenDeathEffect::Update(double frameTime) {
    const float seconds = static_cast<float>(frameTime);
    if (m_alpha < kMaxAlpha) {
        m_alpha = std::min(m_alpha + kFadeRate * seconds, kMaxAlpha);
    }
    // The last step may pass the top a little; the sheet stays there.
    if (m_height < kTopHeight) {
        m_height += kRiseRate * seconds;
    }
    m_scroll += kScrollRate * seconds;
    m_scroll -= std::floor(m_scroll);  // whole widths look the same: keep [0, 1)
    m_vertices = SuddenDeathSheet(m_height, m_scroll);
    Upload();
}

void SuddenDeathEffect::Upload() {
    if (m_buffer) {
        GE::GetInstance()->UpdateDynamicBuffer(m_buffer, std::as_bytes(std::span(m_vertices)));
    }
}

void SuddenDeathEffect::Render() const {
    GUIQueue::GetInstance().AddText(&m_notice);
    if (!CanDrawSheet()) {
        return;
    }
    GE& engine = *GE::GetInstance();
    engine.TurnOnAlphaBlending();
    engine.TurnOffBackfaceCulling();
    engine.RenderSuddenDeath(m_buffer, static_cast<int>(m_vertices.size()), m_texture, m_alpha);
    engine.TurnOnBackfaceCulling();
    engine.TurnOffAlphaBlending();
}
