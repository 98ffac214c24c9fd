#include "server/ServerSound.h"

#include "protocol/ServerCombatMessages.h"
#include "server/ServerSend.h"

void PlaySound(RakNet::RakPeerInterface* peer, Sound sound, const Float3& position) {
    Broadcast(peer, protocol::PlaySoundMessage{static_cast<std::int32_t>(sound),
                                               {position.x, position.y, position.z}});
}
