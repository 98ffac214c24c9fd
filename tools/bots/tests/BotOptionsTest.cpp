// The command line: defaults, every option, and clear errors for bad input.
#include <gtest/gtest.h>

#include "tools/bots/BotOptions.h"

TEST(BotOptions, ReadsEveryOptionAndKeepsDefaults) {
    const ParseResult minimal = ParseBotOptions({"--count", "3"});
    ASSERT_EQ(minimal.outcome, ParseOutcome::Run) << minimal.error;
    EXPECT_EQ(minimal.options.count, 3);
    EXPECT_EQ(minimal.options.host, "127.0.0.1");
    EXPECT_EQ(minimal.options.port, 60000);
    EXPECT_EQ(minimal.options.team, 0);

    const ParseResult full =
        ParseBotOptions({"--count", "8", "--host", "10.0.0.2", "--port", "61000", "--team", "blue", "--seed",
                         "42", "--duration", "2.5", "--matches", "1", "--name", "Zed"});
    ASSERT_EQ(full.outcome, ParseOutcome::Run) << full.error;
    EXPECT_EQ(full.options.host, "10.0.0.2");
    EXPECT_EQ(full.options.port, 61000);
    EXPECT_EQ(full.options.team, 2);
    EXPECT_EQ(full.options.seed, 42u);
    EXPECT_DOUBLE_EQ(full.options.duration, 2.5);
    EXPECT_EQ(full.options.matches, 1);
    EXPECT_EQ(full.options.name, "Zed");
    EXPECT_EQ(ParseBotOptions({"--count", "1", "--help"}).outcome, ParseOutcome::Help);
}

TEST(BotOptions, BadArgumentsAreRefusedWithTheirReason) {
    struct Case {
        std::vector<std::string> arguments;
        const char* reason;
    };
    const Case cases[] = {{{}, "--count is required"},
                          {{"--count"}, "missing value after --count"},
                          {{"--count", "0"}, "--count takes"},
                          {{"--count", "9"}, "--count takes"},
                          {{"--count", "-2"}, "--count takes"},
                          {{"--count", "3x"}, "--count takes"},
                          {{"--count", "2", "--port", "70000"}, "--port takes"},
                          {{"--count", "2", "--port", "0"}, "--port takes"},
                          {{"--count", "2", "--team", "green"}, "--team takes"},
                          {{"--count", "2", "--seed", "99999999999"}, "--seed takes"},
                          {{"--count", "2", "--duration", "-1"}, "--duration takes"},
                          {{"--count", "2", "--duration", "nan"}, "--duration takes"},
                          {{"--count", "2", "--host", ""}, "--host takes"},
                          {{"--count", "2", "--fast", "1"}, "unknown argument --fast"},
                          {{"--count", "2", "stray"}, "unknown argument stray"}};
    for (const Case& c : cases) {
        const ParseResult result = ParseBotOptions(c.arguments);
        EXPECT_EQ(result.outcome, ParseOutcome::Error);
        EXPECT_NE(result.error.find(c.reason), std::string::npos) << result.error;
    }
}
