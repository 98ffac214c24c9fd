// Handle numbers for engine resources: a map from a handle's id to what the back end keeps for it. Ids count
// up from 1 and are not reused, so a stale handle finds nothing instead of someone else's resource.
#pragma once

#include <cstdint>
#include <optional>
#include <unordered_map>
#include <utility>

namespace Lumaspace {

template <class Entry>
class HandleTable {
public:
    std::uint32_t Add(Entry entry) {
        const std::uint32_t id = m_next++;
        m_entries.emplace(id, std::move(entry));
        return id;
    }

    const Entry* Find(std::uint32_t id) const {
        auto it = m_entries.find(id);
        return it == m_entries.end() ? nullptr : &it->second;
    }

    std::optional<Entry> Remove(std::uint32_t id) {
        auto it = m_entries.find(id);
        if (it == m_entries.end()) {
            return std::nullopt;
        }
        Entry entry = std::move(it->second);
        m_entries.erase(it);
        return entry;
    }

    template <class Visit>
    void ForEach(Visit visit) const {
        for (const auto& [id, entry] : m_entries) {
            visit(id, entry);
        }
    }

    void Clear() { m_entries.clear(); }

private:
    std::unordered_map<std::uint32_t, Entry> m_entries;
    std::uint32_t m_next = 1;
};

}  // namespace Lumaspace
