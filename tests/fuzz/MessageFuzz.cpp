// Fuzz target: every message reader of both directions on arbitrary bytes. Bytes that read as a message must
// have been read exactly as far as the writer writes that message, and the message must survive being
// written and read again; a refused read must not move the read position.
#include <cstdint>
#include <vector>

#include "FuzzCheck.h"
#include "MessageCatalogue.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::uint8_t> bytes(data, data + size);
    for (const fuzz::ReadResult& result : {fuzz::ReadAsMessage<fuzz::ClientMessages>(bytes),
                                           fuzz::ReadAsMessage<fuzz::ServerMessages>(bytes)}) {
        FUZZ_CHECK_MESSAGE(result.fault.empty(), result.fault);
        if (result.outcome == fuzz::ReadOutcome::RoundTrips) {
            FUZZ_CHECK(result.bitsRead <= size * 8u);
        }
    }
    return 0;
}
