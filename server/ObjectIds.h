// Ids of the objects of one manager: a random number below 10000, drawn again while another object of the
// same manager holds it.
#pragma once

#include <cstddef>
#include <functional>

inline constexpr int kObjectIdRange = 10000;
// The server enforces no cooldowns, so without a limit one client could fill every id of a manager; a
// manager refuses new objects beyond this many. Far above what eight players throw within the longest
// object lifetime.
inline constexpr std::size_t kMaxObjectsPerManager = 512;
// Random draws before the id is taken as the first free number upward from the last draw.
inline constexpr int kMaxObjectIdDraws = 32;

// Returns a non-negative number (the standard rand by default); the id is that number modulo 10000.
using ObjectRandomSource = std::function<int()>;

// A number in [0, kObjectIdRange) that isTaken refuses. At most kMaxObjectIdDraws draws, then a scan upward
// (wrapping) from the last draw, so it always ends; the caller keeps fewer than kObjectIdRange ids taken.
// A source that returns negative numbers still gives an id in range.
int DrawObjectId(const ObjectRandomSource& random, const std::function<bool(int)>& isTaken);
