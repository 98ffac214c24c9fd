#include "server/ServerSound.h"

#include "protocol/ServerCombatMessages.h"
#include "server/ServerSend.h"

void PlaySound(RakNet::RakPeerInterface* peer, SoundId sound, const Float3& position) {
    Broadcast(peer, protocol::PlaySoundMessage{SoundNumber(sound), {position.x, position.y, position.z}});
}
