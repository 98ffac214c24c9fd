// Plug-ins attached to a peer see connection events and every packet the peer sends or receives.
#pragma once

#include "RakNetTime.h"
#include "RakNetTypes.h"

namespace RakNet {

class RakPeerInterface;

enum PluginReceiveResult {
    RR_STOP_PROCESSING_AND_DEALLOCATE = 0,  // the packet is dropped
    RR_CONTINUE_PROCESSING,                 // the packet goes on to the next plug-in and the application
    RR_STOP_PROCESSING,                     // the plug-in keeps the packet (not used by this layer)
};

enum PI2_LostConnectionReason {
    LCR_CLOSED_BY_USER,
    LCR_DISCONNECTION_NOTIFICATION,
    LCR_CONNECTION_LOST,
};

enum PI2_FailedConnectionAttemptReason {
    FCAR_CONNECTION_ATTEMPT_FAILED,
    FCAR_NO_FREE_INCOMING_CONNECTIONS,
    FCAR_INCOMPATIBLE_PROTOCOL,
};

// One packet as it passes through the reliability layer: its payload, first byte the identifier.
struct InternalPacket {
    unsigned char* data = nullptr;
    BitSize_t dataBitLength = 0;
    unsigned char orderingChannel = 0;
    int reliability = 0;  // PacketReliability
};

class PluginInterface2 {
public:
    virtual ~PluginInterface2() = default;

    virtual void OnAttach() {}
    virtual void OnDetach() {}
    // Called for each packet before the application receives it.
    virtual PluginReceiveResult OnReceive(Packet* /*packet*/) { return RR_CONTINUE_PROCESSING; }
    virtual void OnRakPeerStartup() {}
    virtual void OnRakPeerShutdown() {}
    virtual void OnClosedConnection(const SystemAddress& /*address*/, RakNetGUID /*guid*/,
                                    PI2_LostConnectionReason /*reason*/) {}
    virtual void OnNewConnection(const SystemAddress& /*address*/, RakNetGUID /*guid*/, bool /*isIncoming*/) {
    }
    virtual void OnFailedConnectionAttempt(Packet* /*packet*/, PI2_FailedConnectionAttemptReason /*reason*/) {
    }
    // A plug-in that answers true gets OnInternalPacket for every packet sent and received.
    virtual bool UsesReliabilityLayer() const { return false; }
    virtual void OnDirectSocketSend(const char* /*data*/, BitSize_t /*bitsUsed*/, SystemAddress /*remote*/) {}
    virtual void OnDirectSocketReceive(const char* /*data*/, BitSize_t /*bitsUsed*/,
                                       SystemAddress /*remote*/) {}
    virtual void OnReliabilityLayerNotification(const char* /*errorMessage*/, BitSize_t /*bitsUsed*/,
                                                SystemAddress /*remote*/, bool /*isError*/) {}
    // isSend is 1 for a packet going out, 0 for one coming in; the layer's own packets are included.
    virtual void OnInternalPacket(InternalPacket* /*internalPacket*/, unsigned /*frameNumber*/,
                                  SystemAddress /*remote*/, TimeMS /*time*/, int /*isSend*/) {}
    virtual void OnAck(unsigned int /*messageNumber*/, SystemAddress /*remote*/, TimeMS /*time*/) {}
    virtual void OnPushBackPacket(const char* /*data*/, BitSize_t /*bitsUsed*/, SystemAddress /*remote*/) {}

    RakPeerInterface* GetRakPeerInterface() const { return m_peer; }
    void SetRakPeerInterface(RakPeerInterface* peer) { m_peer = peer; }

private:
    RakPeerInterface* m_peer = nullptr;
};

}  // namespace RakNet
