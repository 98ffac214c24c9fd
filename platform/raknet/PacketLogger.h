// A plug-in that writes one line per packet sent or received. Subclasses replace the logging.
#pragma once

#include <string>

#include "PluginInterface2.h"

namespace RakNet {

class PacketLogger : public PluginInterface2 {
public:
    bool UsesReliabilityLayer() const override { return true; }
    void OnInternalPacket(InternalPacket* internalPacket, unsigned frameNumber, SystemAddress remote,
                          TimeMS time, int isSend) override;

    // The name of a packet's identifier: the transport's name where it has one, else the number in decimal.
    virtual std::string IDTOString(unsigned char id);
    static const char* BaseIDTOString(unsigned char id);

protected:
    // One finished line, without a line end. Writes to standard output.
    virtual void WriteLog(const char* line);
};

}  // namespace RakNet
