#include "server/ServerSound.h"

#include "protocol/MessageSend.h"
#include "protocol/ServerCombatMessages.h"

void PlaySound(RakNet::RakPeerInterface* peer, SoundId sound, const Float3& position) {
    protocol::Broadcast(peer,
                        protocol::PlaySoundMessage{SoundNumber(sound), {position.x, position.y, position.z}});
}
