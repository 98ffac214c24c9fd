// The engine object's lifecycle: the singleton, start-up on either back end, shutdown, and the queries that
// live in GE itself.
#include "Lumagrid/GE.h"

#include <utility>

#include "RenderBackend.h"
#include "SceneData.h"
#include "gl/GLBackend.h"
#include "null/NullBackend.h"
#include "text/TextStore.h"

namespace Lumaspace {

namespace {
GE* s_instance = nullptr;
const std::vector<RecordedCall> kNoCalls;
}  // namespace

GE::GE() = default;
GE::~GE() = default;

GE* GE::GetInstance() {
    if (s_instance == nullptr) {
        s_instance = new GE();
    }
    return s_instance;
}

GE* GE::GetInstanceIfCreated() {
    return s_instance;
}

bool GE::Initialize(SDL_Window* window, float windowWidth, float windowHeight, float screenWidth,
                    float screenHeight, bool fullScreen) {
    return Start(std::make_unique<GLBackend>(m_diagnostics), window, windowWidth, windowHeight, screenWidth,
                 screenHeight, fullScreen);
}

bool GE::InitializeNull(float windowWidth, float windowHeight, float screenWidth, float screenHeight,
                        bool fullScreen) {
    return Start(std::make_unique<NullBackend>(), nullptr, windowWidth, windowHeight, screenWidth,
                 screenHeight, fullScreen);
}

bool GE::Start(std::unique_ptr<RenderBackend> backend, SDL_Window* window, float windowWidth,
               float windowHeight, float screenWidth, float screenHeight, bool fullScreen) {
    if (m_backend) {
        m_diagnostics.Compose("The engine is already running; Initialize was called again.");
        return false;
    }
    m_window = window;
    m_screenChanged = false;
    m_instanceCounts.clear();
    // Screen targets of zero or negative size cannot be created; say so instead of failing deep inside.
    if (!(screenWidth >= 1.0f && screenHeight >= 1.0f && windowWidth >= 1.0f && windowHeight >= 1.0f)) {
        m_diagnostics.Compose("The window and screen sizes given to Initialize must be at least 1 x 1.");
        return false;
    }
    m_scene = std::make_unique<SceneData>();
    const BackendSetup setup{window,       windowWidth, windowHeight, screenWidth,
                             screenHeight, fullScreen,  m_scene.get()};
    if (!backend->Initialize(setup)) {
        backend->Shutdown();
        m_scene.reset();
        return false;
    }
    m_backend = std::move(backend);
    m_windowWidth = windowWidth;
    m_windowHeight = windowHeight;
    m_screenWidth = screenWidth;
    m_screenHeight = screenHeight;
    m_text = std::make_unique<TextStore>();
    m_text->LoadFonts(m_diagnostics);
    return true;
}

void GE::Shutdown() {
    if (m_backend) {
        m_backend->Shutdown();
        m_backend.reset();
    }
    m_scene.reset();
    m_text.reset();
    if (s_instance == this) {
        s_instance = nullptr;
    }
    delete this;
}

SDL_Window* GE::GetWindowHandle() const {
    return m_window;
}

std::string GE::GetVersion() const {
    return m_backend ? m_backend->GetVersion() : std::string();
}

void GE::SetVsync(bool vsync) {
    if (m_backend) {
        m_backend->SetVsync(vsync);
    }
}

void GE::SetClearColor(float r, float g, float b, float a) {
    if (m_backend) {
        m_backend->SetClearColor(glm::vec4(r, g, b, a));
    }
}

bool GE::ToggleFullscreen(bool fullScreen, float width, float height) {
    if (!m_backend) {
        return false;
    }
    if (!(width >= 1.0f && height >= 1.0f)) {
        m_diagnostics.Compose("The window size given to ToggleFullscreen must be at least 1 x 1.");
        return false;
    }
    if (!m_backend->ToggleFullscreen(fullScreen, width, height)) {
        return false;
    }
    m_windowWidth = width;
    m_windowHeight = height;
    m_screenChanged = true;
    return true;
}

bool GE::HasScreenChanged() const {
    return m_screenChanged;
}

void GE::ScreenChangeHandled() {
    m_screenChanged = false;
}

bool GE::ReadBackBuffer(ImageRGBA& image) {
    return m_backend && m_backend->ReadBackBuffer(image);
}

const std::vector<RecordedCall>& GE::GetRecordedCalls() const {
    const std::vector<RecordedCall>* calls = m_backend ? m_backend->RecordedCalls() : nullptr;
    return calls ? *calls : kNoCalls;
}

void GE::ClearRecordedCalls() {
    if (m_backend) {
        m_backend->ClearRecordedCalls();
    }
}

}  // namespace Lumaspace
