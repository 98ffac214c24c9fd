// Objects of one kind that the server adds and removes by id: the shurikens, projectiles, fans, smoke bombs
// and traps in play. Entries() is what is in play now; added and removed tell the one reader, the match's
// world, of each change once, so that an object is made once however often the list changes afterwards.
// The reader takes added before removed: an object can come and go within one frame.
//
// An object's add and remove travel reliably but unordered, so its remove can come first. Such a remove
// waits kEarlyRemoveSeconds for its add, which is then the late add of an object already gone: neither
// stored nor reported. An add of an id in play is a duplicate and is ignored. Once its object is removed an
// id is free again: the server draws ids only against the objects it holds, so a later add of that id is a
// new object. A full list ignores adds, so that a server cannot make the client hold unbounded numbers of
// objects.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "client/net/EventQueue.h"

template <typename Entry, std::int32_t Entry::*kIdField>
class KeyedObjectList {
public:
    static constexpr std::size_t kMaxEntries = 512;
    static constexpr double kEarlyRemoveSeconds = 5.0;

    static std::int32_t IdOf(const Entry& entry) { return entry.*kIdField; }

    // True when the entry is a new object: stored and reported in added.
    bool Add(const Entry& entry) {
        const std::int32_t id = entry.*kIdField;
        const auto early = std::find_if(m_earlyRemoves.begin(), m_earlyRemoves.end(),
                                        [id](const EarlyRemove& remove) { return remove.id == id; });
        if (early != m_earlyRemoves.end()) {
            m_earlyRemoves.erase(early);
            return false;
        }
        if (m_entries.size() >= kMaxEntries || Find(id) != nullptr) {
            return false;
        }
        m_entries.push_back(entry);
        added.Push(entry);
        return true;
    }
    // True when the id was in play: removed and reported in removed. Otherwise the remove waits for its add.
    bool Remove(std::int32_t id) {
        const auto found = std::find_if(m_entries.begin(), m_entries.end(),
                                        [id](const Entry& entry) { return entry.*kIdField == id; });
        if (found == m_entries.end()) {
            if (m_earlyRemoves.size() >= kMaxEntries) {
                m_earlyRemoves.erase(m_earlyRemoves.begin());
            }
            m_earlyRemoves.push_back(EarlyRemove{id, 0.0});
            return false;
        }
        m_entries.erase(found);
        removed.Push(id);
        return true;
    }
    Entry* Find(std::int32_t id) {
        for (Entry& entry : m_entries) {
            if (entry.*kIdField == id) {
                return &entry;
            }
        }
        return nullptr;
    }
    const Entry* Find(std::int32_t id) const { return const_cast<KeyedObjectList*>(this)->Find(id); }
    const std::vector<Entry>& Entries() const { return m_entries; }

    // A frame of seconds passes for the removes that wait for their adds.
    void Age(double seconds) {
        for (EarlyRemove& remove : m_earlyRemoves) {
            remove.age += seconds;
        }
        std::erase_if(m_earlyRemoves,
                      [](const EarlyRemove& remove) { return remove.age > kEarlyRemoveSeconds; });
    }
    // The server dropped its list (round start, new level): the objects in play, their unread changes and
    // the waiting removes go.
    void Clear() {
        m_entries.clear();
        m_earlyRemoves.clear();
        DropEvents();
    }
    void DropEvents() {
        added.Clear();
        removed.Clear();
    }

    EventQueue<Entry> added;
    EventQueue<std::int32_t> removed;

private:
    struct EarlyRemove {
        std::int32_t id = 0;
        double age = 0.0;
    };

    std::vector<Entry> m_entries;
    std::vector<EarlyRemove> m_earlyRemoves;
};
