#include "Lumagrid/Diagnostics.h"

#include <algorithm>
#include <utility>

namespace Lumaspace {

void DiagnosticSink::Compose(std::string message) {
    if (m_listener) {
        m_listener(message);
    }
    if (m_messages.size() == kKeptMessages) {
        m_messages.pop_front();
    }
    m_messages.push_back(std::move(message));
}

bool DiagnosticSink::Contains(std::string_view message) const {
    return std::find(m_messages.begin(), m_messages.end(), message) != m_messages.end();
}

}  // namespace Lumaspace
