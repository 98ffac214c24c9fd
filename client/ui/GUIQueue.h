// The frame's list of GUI elements and texts. Components queue what they show while they render; the
// application draws the whole queue once, after GE::PrepareRenderGUI, and the queue is empty again. Queue
// order is drawing order: later elements cover earlier ones, and every text covers every element.
#pragma once

#include <cstddef>
#include <functional>
#include <utility>
#include <vector>

struct GUIElement;
class TextObject;

class GUIQueue {
public:
    // Draws the frame's texts, in queue order, after the elements. Without one the queue hands each text to
    // GE::AnalyzeText and draws them all with one GE::RenderTextGeometry; an installed drawer replaces that
    // (tests observe the texts with it).
    using TextDrawer = std::function<void(const std::vector<const TextObject*>&)>;

    // The program's queue, created on first use.
    static GUIQueue& GetInstance();
    // Empties the queue and frees it; the next GetInstance makes a new one.
    static void Shutdown();

    // The pointers must stay valid until the queue is drawn or cleared; null is ignored.
    void AddElement(const GUIElement* element);
    void AddText(const TextObject* text);
    void SetTextDrawer(TextDrawer drawer) { m_textDrawer = std::move(drawer); }

    // Each element with GE::RenderGUI, then the texts (over every element), then both lists are emptied.
    void Draw();
    void Clear();

    std::size_t ElementCount() const { return m_elements.size(); }
    std::size_t TextCount() const { return m_texts.size(); }

private:
    std::vector<const GUIElement*> m_elements;
    std::vector<const TextObject*> m_texts;
    TextDrawer m_textDrawer;
};
