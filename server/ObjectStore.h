// The records of one object manager in creation order, each with an id unique within the manager. Removing
// a record keeps the order of the others.
#pragma once

#include <algorithm>
#include <cstdlib>
#include <utility>
#include <vector>

#include "server/ObjectIds.h"

// Record has an int member id.
template <typename Record>
class ObjectStore {
public:
    ObjectStore() : m_random([] { return std::rand(); }) {}

    void SetRandomSource(ObjectRandomSource random) { m_random = std::move(random); }

    // Appends the record under a fresh id and returns the stored record; nullptr, adding nothing, when the
    // store holds kMaxObjectsPerManager records already.
    Record* Add(Record record) {
        if (m_records.size() >= kMaxObjectsPerManager) {
            return nullptr;
        }
        record.id = DrawObjectId(m_random, [this](int id) { return Find(id) != nullptr; });
        m_records.push_back(std::move(record));
        return &m_records.back();
    }

    // False when no record has this id.
    bool Remove(int id) {
        const auto found =
            std::find_if(m_records.begin(), m_records.end(), [id](const Record& r) { return r.id == id; });
        if (found == m_records.end()) {
            return false;
        }
        m_records.erase(found);
        return true;
    }

    Record* Find(int id) {
        for (Record& record : m_records) {
            if (record.id == id) {
                return &record;
            }
        }
        return nullptr;
    }

    // Ages every record by dt (its lifetime and, where the record has one, its flight time) and returns the
    // ids, in order, of the records whose lifetime ran out; the caller removes and announces them.
    std::vector<int> Age(float dt) {
        std::vector<int> expired;
        for (Record& record : m_records) {
            record.lifetimeLeft -= dt;
            if constexpr (requires { record.flightTimeLeft; }) {
                record.flightTimeLeft -= dt;
            }
            if (record.lifetimeLeft <= 0.0f) {
                expired.push_back(record.id);
            }
        }
        return expired;
    }

    std::vector<Record>& Records() { return m_records; }
    const std::vector<Record>& Records() const { return m_records; }
    void Clear() { m_records.clear(); }

private:
    std::vector<Record> m_records;
    ObjectRandomSource m_random;
};
