// Every message of both directions through its writer and reader: identifier byte, encoded length, round
// trip, and clean failure for every truncation and for a foreign identifier.
#include <gtest/gtest.h>

#include <vector>

#include "protocol/tests/MessageCase.h"
#include "raknet/BitStream.h"

namespace protocol::test {
namespace {

class MessageCodec : public ::testing::TestWithParam<MessageCase> {
protected:
    std::vector<unsigned char> Encoded() const {
        RakNet::BitStream stream;
        GetParam().write(stream);
        return {stream.GetData(), stream.GetData() + stream.GetNumberOfBytesUsed()};
    }
};

TEST_P(MessageCodec, WritesIdentifierThenLayoutOfExpectedLength) {
    RakNet::BitStream stream;
    GetParam().write(stream);
    ASSERT_GE(stream.GetNumberOfBytesUsed(), 1u);
    EXPECT_EQ(stream.GetData()[0], GetParam().id);
    EXPECT_EQ(stream.GetNumberOfBitsUsed(), GetParam().bits);
}

TEST_P(MessageCodec, ReadsBackWhatWasWrittenAndConsumesExactlyIt) {
    const std::vector<unsigned char> bytes = Encoded();
    RakNet::BitStream stream(bytes.data(), static_cast<unsigned int>(bytes.size()), false);
    EXPECT_TRUE(GetParam().readsSample(stream));
    EXPECT_EQ(stream.GetReadOffset(), GetParam().bits);
}

TEST_P(MessageCodec, EveryShorterLengthFailsAndChangesNothing) {
    const std::vector<unsigned char> bytes = Encoded();
    for (std::size_t length = 0; length < bytes.size(); ++length) {
        RakNet::BitStream stream(bytes.data(), static_cast<unsigned int>(length), true);
        EXPECT_TRUE(GetParam().failsUntouched(stream)) << "truncated to " << length << " bytes";
    }
}

TEST_P(MessageCodec, AnotherIdentifierFailsAndChangesNothing) {
    std::vector<unsigned char> bytes = Encoded();
    bytes[0] = static_cast<unsigned char>(bytes[0] + 1);
    RakNet::BitStream stream(bytes.data(), static_cast<unsigned int>(bytes.size()), false);
    EXPECT_TRUE(GetParam().failsUntouched(stream));
}

TEST_P(MessageCodec, ReadsFromTheCurrentPositionOfALongerStream) {
    // Two messages back to back: the second is read where the first ended.
    RakNet::BitStream stream;
    GetParam().write(stream);
    GetParam().write(stream);
    EXPECT_TRUE(GetParam().readsSample(stream));
    EXPECT_TRUE(GetParam().readsSample(stream));
}

INSTANTIATE_TEST_SUITE_P(AllMessages, MessageCodec, ::testing::ValuesIn(AllMessageCases()),
                         [](const ::testing::TestParamInfo<MessageCase>& row) { return row.param.name; });

}  // namespace
}  // namespace protocol::test
