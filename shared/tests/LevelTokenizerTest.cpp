#include "shared/LevelTokenizer.h"

#include <gtest/gtest.h>

#include "shared/tests/CaseLabel.h"

namespace {

struct TokenizeCase {
    const char* label;
    std::string_view text;
    std::vector<LevelLine> lines;
};

class TokenizeLevelTextTest : public ::testing::TestWithParam<TokenizeCase> {};

TEST_P(TokenizeLevelTextTest, SplitsLinesAndKeepsDelimiters) {
    EXPECT_EQ(TokenizeLevelText(GetParam().text), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TokenizeLevelTextTest,
    ::testing::Values(TokenizeCase{"Empty", "", {}},
                      TokenizeCase{"TokensKeepDelimiters", "a b\nc\n", {{"a ", "b\n"}, {"c\n"}}},
                      TokenizeCase{"DoubleSpaceIsLoneSpaceToken", "a  b\n", {{"a ", " ", "b\n"}}},
                      TokenizeCase{"TrailingSpaceLeavesLfToken", "a \n", {{"a ", "\n"}}},
                      TokenizeCase{"EmptyLineIsLfToken", "\n\n", {{"\n"}, {"\n"}}},
                      TokenizeCase{"CrBeforeLfDropped", "a b\r\nc\r\n", {{"a ", "b\n"}, {"c\n"}}},
                      TokenizeCase{"LoneCrKept", "a\rb\n", {{"a\rb\n"}}},
                      TokenizeCase{"TextAfterLastLfDiscarded", "a\nb c", {{"a\n"}}},
                      TokenizeCase{"NoLfNoLine", "a b c", {}},
                      TokenizeCase{"CrAtEndDiscarded", "a\n\r", {{"a\n"}}}),
    LabelOf<TokenizeCase>);

}  // namespace
