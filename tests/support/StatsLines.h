// Reading what Ombrin-bots prints when its bots leave: one STATS line per bot of "key=value" fields.
#pragma once

#include <map>
#include <string>
#include <vector>

// The fields of every STATS line in a program's output, with the bot's name under "name".
std::vector<std::map<std::string, std::string>> StatsLines(const std::string& output);

// The snapshot fields "kills,deaths,notices,enemyKills,digest" of the first match.
std::vector<std::string> FirstMatch(const std::string& snapshots);
