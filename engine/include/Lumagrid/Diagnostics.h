// The engine's diagnostic sink: every failure (and a few start-up facts) is composed into one English
// sentence and handed here. The sink prints nothing; it keeps the most recent messages for whoever asks and
// forwards each one to a listener the client may attach (a debug log, a console).
#pragma once

#include <cstddef>
#include <deque>
#include <functional>
#include <string>
#include <string_view>
#include <utility>

namespace Lumaspace {

class DiagnosticSink {
public:
    using Listener = std::function<void(const std::string&)>;

    // How many messages stay readable; older ones are dropped so that a failure repeated every frame cannot
    // grow memory without bound. The listener still sees every message.
    static constexpr std::size_t kKeptMessages = 512;

    void Compose(std::string message);
    void SetListener(Listener listener) { m_listener = std::move(listener); }

    const std::deque<std::string>& Messages() const { return m_messages; }
    bool Contains(std::string_view message) const;
    void Clear() { m_messages.clear(); }

private:
    std::deque<std::string> m_messages;
    Listener m_listener;
};

}  // namespace Lumaspace
