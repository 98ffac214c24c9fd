#include "client/app/Cursor.h"

#include "client/app/ClientGlobals.h"
#include "client/app/Input.h"
#include "client/app/WindowSystem.h"
#include "client/ui/TextureLibrary.h"

bool Cursor::Initialize(WindowSystem& window) {
    window.HideSystemCursor();
    m_quad = GUIElement{};
    m_quad.width = kNormalSize;
    m_quad.height = kNormalSize;
    m_quad.depth = 1.0f;
    m_quad.texture = TextureLibrary::GetInstance().GetTexture(kTexture);
    m_quad.opacity = 1.0f;
    return true;
}

void Cursor::Update() {
    if (!visible) {
        return;
    }
    const ClientGlobals& globals = ClientGlobals::GetInstance();
    const Input& input = Input::GetInstance();
    m_quad.x = static_cast<float>(input.GetMouseX()) -
               (static_cast<float>(globals.windowWidth) * 0.5f - globals.borderWidth);
    m_quad.y =
        -(static_cast<float>(input.GetMouseY()) - (static_cast<float>(globals.windowHeight) * 0.5f -
                                                   (globals.captionHeight + globals.borderWidth) * 0.5f));
}

void Cursor::Render() const {
    if (visible && enabled) {
        m_quad.Render();
    }
}

void Cursor::SetSize(float size) {
    m_quad.width = size;
    m_quad.height = size;
}
