#include "PacketLogger.h"

#include <cstdio>

#include "MessageIdentifiers.h"

namespace RakNet {

const char* PacketLogger::BaseIDTOString(unsigned char id) {
    return id < ID_USER_PACKET_ENUM ? TransportIdentifierName(id) : nullptr;
}

std::string PacketLogger::IDTOString(unsigned char id) {
    const char* name = BaseIDTOString(id);
    return name != nullptr ? std::string(name) : std::to_string(id);
}

void PacketLogger::OnInternalPacket(InternalPacket* internalPacket, unsigned /*frameNumber*/,
                                    SystemAddress remote, TimeMS time, int isSend) {
    const std::string name =
        internalPacket->dataBitLength >= 8 ? IDTOString(internalPacket->data[0]) : std::string("(empty)");
    const std::string line = std::string(isSend != 0 ? "Snd" : "Rcv") + "," + std::to_string(time) + "," +
                             name + "," + std::to_string(internalPacket->dataBitLength) + "," +
                             remote.ToString();
    WriteLog(line.c_str());
}

void PacketLogger::WriteLog(const char* line) {
    std::printf("%s\n", line);
}

}  // namespace RakNet
