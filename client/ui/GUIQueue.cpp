#include "client/ui/GUIQueue.h"

#include <memory>

#include "client/ui/GUIElement.h"

namespace {
std::unique_ptr<GUIQueue> s_queue;
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
    if (!m_texts.empty() && m_textDrawer) {
        m_textDrawer(m_texts);
    }
    Clear();
}

void GUIQueue::Clear() {
    m_elements.clear();
    m_texts.clear();
}
