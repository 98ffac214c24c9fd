// Field-by-field encoding shared by every message writer and reader. Each message lists its fields once, as a
// function of (io, message) that calls io(field) for every field in wire order; FieldWriter writes them and
// FieldReader reads them, so the two directions cannot drift apart. Only the message sources include this.
#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "protocol/WireTypes.h"
#include "raknet/BitStream.h"
#include "raknet/MessageIdentifiers.h"
#include "raknet/RakString.h"

namespace protocol::detail {

class FieldWriter {
public:
    explicit FieldWriter(RakNet::BitStream& stream) : m_stream(stream) {}

    // Numbers, bools and guids with the stream's typed writes. Always true, so field lists chain with &&.
    template <typename T>
    bool operator()(const T& value) {
        m_stream.Write(value);
        return true;
    }
    bool operator()(const std::string& value) {
        m_stream.Write(RakNet::RakString(value));
        return true;
    }
    bool operator()(const Vec3& value) { return (*this)(value.x) && (*this)(value.y) && (*this)(value.z); }
    bool operator()(const GroundPoint& value) { return (*this)(value.x) && (*this)(value.z); }

private:
    RakNet::BitStream& m_stream;
};

class FieldReader {
public:
    explicit FieldReader(RakNet::BitStream& stream) : m_stream(stream) {}

    // False at the end of the data.
    template <typename T>
    bool operator()(T& value) {
        return m_stream.Read(value);
    }
    bool operator()(std::string& value) {
        RakNet::RakString text;
        if (!m_stream.Read(text)) {
            return false;
        }
        value = text.Str();
        return true;
    }
    bool operator()(Vec3& value) { return (*this)(value.x) && (*this)(value.y) && (*this)(value.z); }
    bool operator()(GroundPoint& value) { return (*this)(value.x) && (*this)(value.z); }

    RakNet::BitSize_t UnreadBits() const { return m_stream.GetNumberOfUnreadBits(); }

private:
    RakNet::BitStream& m_stream;
};

// A count of type Count, then the entries. A list longer than Count can express is cut at Count's largest
// value, so the count always matches the entries that follow it.
template <typename Count, typename Entry, typename EntryFields>
bool CountedList(FieldWriter& io, const std::vector<Entry>& entries, EntryFields fields) {
    constexpr auto kMaxCount = static_cast<std::size_t>(std::numeric_limits<Count>::max());
    const std::size_t count = entries.size() < kMaxCount ? entries.size() : kMaxCount;
    io(static_cast<Count>(count));
    for (std::size_t i = 0; i < count; ++i) {
        fields(io, entries[i]);
    }
    return true;
}

// The count comes from the peer and is not trusted: a negative count, or one larger than the bits left (every
// entry takes at least one), fails at once; otherwise entries are read one by one and the list grows only
// with entries actually present, never by the count.
template <typename Count, typename Entry, typename EntryFields>
bool CountedList(FieldReader& io, std::vector<Entry>& entries, EntryFields fields) {
    Count count{};
    if (!io(count)) {
        return false;
    }
    if constexpr (std::is_signed_v<Count>) {
        if (count < 0) {
            return false;
        }
    }
    if (static_cast<std::uint64_t>(count) > io.UnreadBits()) {
        return false;
    }
    std::vector<Entry> read;
    for (Count i = 0; i < count; ++i) {
        Entry entry{};
        if (!fields(io, entry)) {
            return false;
        }
        read.push_back(std::move(entry));
    }
    entries = std::move(read);
    return true;
}

// Messages without a payload.
inline constexpr auto kNoFields = [](auto&, auto&) { return true; };

// List entries that are a single field.
inline constexpr auto kSingleField = [](auto& io, auto& value) { return io(value); };

// The identifier byte, then the fields.
template <typename Message, typename Fields>
void WriteMessage(RakNet::BitStream& stream, const Message& message, Fields fields) {
    stream.Write(static_cast<RakNet::MessageID>(Message::kId));
    FieldWriter io(stream);
    fields(io, message);
}

// Reads the identifier byte and the fields into a temporary; only a complete message with the expected
// identifier is assigned. On failure the message and the stream's read position are left as they were.
template <typename Message, typename Fields>
bool ReadMessage(RakNet::BitStream& stream, Message& message, Fields fields) {
    const RakNet::BitSize_t start = stream.GetReadOffset();
    RakNet::MessageID id = 0;
    Message read{};
    FieldReader io(stream);
    if (stream.Read(id) && id == static_cast<RakNet::MessageID>(Message::kId) && fields(io, read)) {
        message = std::move(read);
        return true;
    }
    stream.SetReadOffset(start);
    return false;
}

}  // namespace protocol::detail
