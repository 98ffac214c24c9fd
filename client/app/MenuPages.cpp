// Building the main menu's pages.
#include "client/app/ClientGlobals.h"
#include "client/app/MenuState.h"
#include "client/app/Settings.h"

namespace {

constexpr const char* kGui = "../Ombrin/2DTextures/GUI/";
constexpr float kButtonWidth = 301.0f;
constexpr float kButtonHeight = 98.0f;

std::string Gui(const char* file) {
    return std::string(kGui) + file;
}

constexpr const char* kCreditsPeople =
    "OMBRIN\n\nDesign, programming and art\nthe Ombrin team\n\nThanks to everyone who played\nthe early "
    "versions";
constexpr const char* kCreditsSound =
    "Music and sound\nrecorded and mixed for Ombrin\n\nThank you for playing!";

}  // namespace

void MenuState::BuildOptionsPage() {
    const Settings& settings = Settings::GetInstance();
    const struct {
        Option option;
        float x;
        float y;
        bool checked;
        const char* label;
        float labelX;
        float labelWidth;
        float labelHeight;
    } boxes[] = {
        {kVsync, -50.0f, 0.0f, settings.vsync, "vs_text.png", -243.5f, 263.0f, 68.0f},
        {kFullscreen, -50.0f, -65.0f, settings.fullscreen, "fullscreen_text.png", -281.0f, 188.0f, 55.0f},
        {kSsao, -50.0f, -130.0f, settings.ssao, "ssao_text.png", -322.0f, 106.0f, 56.0f},
        {kSmartCast, -50.0f, -195.0f, settings.smartCast, "smartcast_text.png", -227.5f, 295.0f, 58.0f},
        {kDepthOfField, 350.0f, 0.0f, settings.depthOfField, "dof_text.png", 150.5f, 251.0f, 68.0f},
        {kMute, 350.0f, -65.0f, settings.mute, "mute_text.png", 133.0f, 216.0f, 54.0f},
        {kCamera, 350.0f, -130.0f, settings.camera, "camera_text.png", 146.5f, 243.0f, 56.0f},
        {kSmartCastToggle, 350.0f, -195.0f, settings.smartCastToggle, "sctoggle_text.png", 125.0f, 200.0f,
         88.0f},
    };
    for (const auto& box : boxes) {
        m_optionIndex[box.option] = m_optionsPage.AddCheckbox(box.x, box.y, box.checked);
        m_optionsPage.AddBackground(box.labelX, box.y, box.labelWidth, box.labelHeight, Gui(box.label));
    }
    m_optionsPage.AddButton(160.5f, -334.0f, kButtonWidth, kButtonHeight, Gui("back.png"), kBack);
    m_optionsPage.AddButton(-160.5f, -334.0f, kButtonWidth, kButtonHeight, Gui("apply.png"), kApply);
    m_applyDisabled.InitializeItem(-160.5f, -334.0f, kButtonWidth, kButtonHeight, Gui("applydisabled.png"));
}

void MenuState::BuildMainAndPlayPages() {
    const struct {
        const char* image;
        float y;
        int action;
    } mainButtons[] = {
        {"play.png", -10.0f, kOpenPlay},
        {"options.png", -118.0f, kOpenOptions},
        {"credits.png", -226.0f, kOpenCredits},
        {"quit.png", -334.0f, kBack},
    };
    for (const auto& button : mainButtons) {
        m_mainPage.AddButton(0.0f, button.y, kButtonWidth, kButtonHeight, Gui(button.image), button.action);
    }
    const struct {
        const char* image;
        float y;
        int action;
    } playButtons[] = {
        {"connect.png", -118.0f, kConnect},
        {"host.png", -226.0f, kHost},
        {"back.png", -334.0f, kBack},
    };
    for (const auto& button : playButtons) {
        m_playPage.AddButton(0.0f, button.y, kButtonWidth, kButtonHeight, Gui(button.image), button.action);
    }
}

// The credits are built for the current window each time they open, starting just below its bottom edge.
void MenuState::BuildCredits() {
    const float width = static_cast<float>(ClientGlobals::GetInstance().windowWidth);
    const float height = static_cast<float>(ClientGlobals::GetInstance().windowHeight);
    m_credits.Shutdown();
    m_credits.AddButton(160.5f - width / 2.0f, -334.0f, kButtonWidth, kButtonHeight, Gui("back.png"), kBack);
    const float start = -height / 2.0f - 200.0f;
    m_credits.InitializeTexts(kCreditsPeople, start, kCreditsSound, start - 500.0f);
}

void MenuState::BuildTextBoxes(const std::string& name, const std::string& address) {
    m_nameBox.Initialize(0.0f, 57.0f, 394.0f, 67.0f, Gui("namebox.png"), kTextBoxCapacity, name);
    m_addressBox.Initialize(0.0f, -15.0f, 394.0f, 67.0f, Gui("IPBox.png"), kTextBoxCapacity, address);
}
