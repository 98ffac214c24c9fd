// What one bot saw and did, printed when the program ends.
#pragma once

#include <cstdint>
#include <string>

struct BotStats {
    int kills = 0;         // kill notices naming this bot as the killer of another player
    int deaths = 0;        // kill notices naming this bot as the victim
    int serverKills = -1;  // the latest ID_KILL_STATS figures for this bot (-1 = none yet)
    int serverDeaths = -1;
    int killNotices = 0;                                  // every kill notice seen
    int enemyKills = 0;                                   // notices whose killer is another player
    std::uint64_t noticeDigest = 1469598103934665603ull;  // FNV-1a over (victim, killer, ability)
    std::string roundWinners;                             // one digit per ID_ROUND_WON, in order
    std::string matchWinners;                             // one digit per ID_MATCH_WON
    int levelsJoined = 0;                                 // matches joined (the first level included)
    int abilitiesUsed = 0;
    int positionRejections = 0;
    int respawns = 0;
    int dashes = 0;
    double inBytes = 0.0;  // game traffic counted by the transport's packet hook
    double outBytes = 0.0;
    // Everything the bot's socket carried: datagrams with the transport's headers, acknowledgements and
    // pings.
    double transportInBytes = 0.0;
    double transportOutBytes = 0.0;
    // At every ID_NEW_LEVEL: "kills,deaths,notices,enemyKills,digest;" so that matches compare on their own.
    std::string matchSnapshots;

    void AddNotice(std::uint64_t victim, std::uint64_t killer, std::int32_t ability) {
        for (const std::uint64_t value :
             {victim, killer, static_cast<std::uint64_t>(static_cast<std::uint32_t>(ability))}) {
            for (int shift = 0; shift < 64; shift += 8) {
                noticeDigest = (noticeDigest ^ ((value >> shift) & 0xFFu)) * 1099511628211ull;
            }
        }
    }
};
