// The round and match figures the heads-up display reads every frame; the match state copies them from its
// connection once and hands the same values to the round display and the team status bar.
#pragma once

struct MatchStatus {
    int redRoundWins = 0;
    int blueRoundWins = 0;
    // Counts the rounds started: a change restarts the round clock.
    int roundNumber = 0;
    bool countdownActive = false;  // between two rounds
    int countdownSeconds = 0;      // whole seconds left of the countdown the server announces
    int lastRoundWinner = 0;       // the team that won the last round: 1 red, 2 blue, anything else none
    bool matchOver = false;
    int matchWinner = 0;
    int localTeam = 0;
};
