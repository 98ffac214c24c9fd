#include "client/ui/GUIQueue.h"

#include <memory>

#include "Lumagrid/GE.h"
#include "client/ui/GUIElement.h"
#include "client/ui/TextObject.h"

namespace {

std::unique_ptr<GUIQueue> s_queue;

// Every text's glyphs in queue order, then one draw for all of them that leaves the GL state as it was.
void DrawThroughEngine(const std::vector<const TextObject*>& texts) {
    Lumaspace::GE* engine = Lumaspace::GE::GetInstance();
    for (const TextObject* text : texts) {
        engine->AnalyzeText(text->GetLayout(), text->GetDrawX(), text->GetDrawY(), text->colour, 0);
    }
    engine->RenderTextGeometry(Lumaspace::kTextRestoreState);
}

}  // namespace

GUIQueue& GUIQueue::GetInstance() {
    if (!s_queue) {
        s_queue = std::make_unique<GUIQueue>();
    }
    return *s_queue;
}

void GUIQueue::Shutdown() {
    if (s_queue) {
        s_queue->Clear();
    }
    s_queue.reset();
}

void GUIQueue::AddElement(const GUIElement* element) {
    if (element != nullptr) {
        m_elements.push_back(element);
    }
}

void GUIQueue::AddText(const TextObject* text) {
    if (text != nullptr) {
        m_texts.push_back(text);
    }
}

void GUIQueue::Draw() {
    for (const GUIElement* element : m_elements) {
        element->Render();
    }
    if (!m_texts.empty()) {
        if (m_textDrawer) {
            m_textDrawer(m_texts);
        } else {
            DrawThroughEngine(m_texts);
        }
    }
    Clear();
}

void GUIQueue::Clear() {
    m_elements.clear();
    m_texts.clear();
}
