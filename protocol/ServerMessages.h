// Every message a server sends, for receivers that handle them all.
#pragma once

#include "protocol/ServerCombatMessages.h"
#include "protocol/ServerConnectionMessages.h"
#include "protocol/ServerLobbyMessages.h"
#include "protocol/ServerMovementMessages.h"
#include "protocol/ServerProjectileMessages.h"
#include "protocol/ServerRoundMessages.h"
#include "protocol/ServerRuneMessages.h"
#include "protocol/ServerThrownMessages.h"
#include "protocol/UnusedMessages.h"
