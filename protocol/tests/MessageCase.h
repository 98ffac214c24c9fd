// One row of the message table the codec tests run over: a sample of one message type, its identifier and its
// encoded length worked out by hand from the field list, with type-erased write and read steps.
#pragma once

#include <cstddef>
#include <functional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "raknet/BitStream.h"

namespace protocol::test {

struct MessageCase {
    std::string name;
    int id = 0;
    std::size_t bits = 0;
    std::function<void(RakNet::BitStream&)> write;
    // Read into a fresh message: true when it succeeds and equals the sample.
    std::function<bool(RakNet::BitStream&)> readsSample;
    // Read into a fresh message: true when it fails and leaves the message and the read position untouched.
    std::function<bool(RakNet::BitStream&)> failsUntouched;
};

inline void PrintTo(const MessageCase& c, std::ostream* out) {
    *out << c.name;
}

template <typename Message>
MessageCase MakeCase(std::string name, int id, std::size_t bits, Message sample) {
    return {std::move(name),
            id,
            bits,
            [sample](RakNet::BitStream& stream) { Write(stream, sample); },
            [sample](RakNet::BitStream& stream) {
                Message read{};
                return Read(stream, read) && read == sample;
            },
            [](RakNet::BitStream& stream) {
                const RakNet::BitSize_t offset = stream.GetReadOffset();
                Message read{};
                return !Read(stream, read) && read == Message{} && stream.GetReadOffset() == offset;
            }};
}

// Every message type of both directions, with samples whose fields are all non-zero.
std::vector<MessageCase> AllMessageCases();

}  // namespace protocol::test
