#include "RakString.h"

#include <cstdint>

#include "BitStream.h"

namespace RakNet {

void RakString::Serialize(BitStream* stream) const {
    const std::size_t length = m_text.size() < kMaxLength ? m_text.size() : kMaxLength;
    stream->Write(static_cast<std::uint16_t>(length));
    stream->WriteAlignedBytes(reinterpret_cast<const unsigned char*>(m_text.data()),
                              static_cast<unsigned int>(length));
}

bool RakString::Deserialize(BitStream* stream) {
    const BitSize_t start = stream->GetReadOffset();
    std::uint16_t length = 0;
    if (!stream->Read(length)) {
        return false;
    }
    // Check that the bytes are there before allocating for a length that came off the wire.
    const BitSize_t aligned = (stream->GetReadOffset() + 7u) & ~BitSize_t{7};
    if (aligned > stream->GetNumberOfBitsUsed() ||
        std::uint64_t{length} * 8u > stream->GetNumberOfBitsUsed() - aligned) {
        stream->SetReadOffset(start);
        return false;
    }
    std::string text(length, '\0');
    if (!stream->ReadAlignedBytes(reinterpret_cast<unsigned char*>(text.data()), length)) {
        stream->SetReadOffset(start);
        return false;
    }
    m_text = std::move(text);
    return true;
}

}  // namespace RakNet
