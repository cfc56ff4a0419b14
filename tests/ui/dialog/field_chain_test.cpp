#include "ui/dialog/field_chain.h"
#include "ui/dialog/form_layout.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <iterator>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace quillmar {
namespace {

std::vector<std::string_view> walkFrom(std::string_view start) {
    std::vector<std::string_view> visited;
    for (const ChainLink* link = chainLinkOf(start); link != nullptr;
         link = chainLinkOf(link->next)) {
        visited.push_back(link->field);
        if (visited.size() > 100) {
            break; // a loop in the chain
        }
    }
    return visited;
}

std::ptrdiff_t chainPosition(std::string_view field) {
    const auto chain = fieldChain();
    const auto link = std::find_if(chain.begin(), chain.end(),
                                   [field](const ChainLink& l) { return l.field == field; });
    return link == chain.end() ? -1 : std::distance(chain.begin(), link);
}

// Every field but the number of starts, which comes last in the tab order and is
// left out of the Enter walk.
TEST(FieldChain, EnterWalksEveryFieldOnceInTabOrderAndEndsOnCommand1) {
    const auto visited = walkFrom("Text2");
    ASSERT_EQ(visited.size(), kFields.size() - 1);
    for (std::size_t i = 0; i < visited.size(); ++i) {
        EXPECT_EQ(visited[i], kFields[i].name) << "step " << i;
    }
    EXPECT_EQ(kFields.back().name, "TextStarts");
    EXPECT_EQ(chainLinkOf("FEED7")->next, "Command1");
    EXPECT_EQ(chainLinkOf("TextStarts")->next, "Command1");
}

TEST(FieldChain, LeftColumnLeadsIntoTheMiddleColumnNotTheSteps) {
    EXPECT_EQ(chainLinkOf("Text17")->next, "Text4");
    EXPECT_EQ(chainLinkOf("Text11")->next, "FEED0");
}

struct CopyRule {
    std::string_view field;
    std::vector<std::string_view> targets;
};

void PrintTo(const CopyRule& rule, std::ostream* out) {
    *out << rule.field;
}

class FieldChainCopyRules : public ::testing::TestWithParam<CopyRule> {};

TEST_P(FieldChainCopyRules, CopyTargetsAreExactlyTheseAndLieAheadInTheChain) {
    const ChainLink* link = chainLinkOf(GetParam().field);
    ASSERT_NE(link, nullptr);
    const std::vector<std::string_view> targets(link->copyTo.begin(), link->copyTo.end());
    EXPECT_EQ(targets, GetParam().targets);
    for (std::string_view target : targets) {
        EXPECT_GT(chainPosition(target), chainPosition(link->field)) << target;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rules, FieldChainCopyRules,
    ::testing::Values(CopyRule{"Text5", {"Text18"}},
                      CopyRule{"FEED0",
                               {"FEED1", "FEED2", "FEED3", "FEED4", "FEED5", "FEED6", "FEED7"}},
                      CopyRule{"FEED1", {"FEED5"}}, CopyRule{"FEED2", {"FEED4"}},
                      CopyRule{"FEED3", {"FEED7"}}, CopyRule{"Text18", {}}, CopyRule{"FEED4", {}},
                      CopyRule{"FEED6", {}}, CopyRule{"FEED7", {}}),
    [](const auto& info) { return std::string(info.param.field); });

TEST(FieldChain, OnlyTheFourProfileFieldsAndFeed0Copy) {
    int copying = 0;
    for (const ChainLink& link : fieldChain()) {
        copying += link.copyTo.empty() ? 0 : 1;
    }
    EXPECT_EQ(copying, 5);
}

TEST(FieldChain, NamesThatAreNoFieldHaveNoLink) {
    EXPECT_EQ(chainLinkOf("Command1"), nullptr);
    EXPECT_EQ(chainLinkOf("FEED(0)"), nullptr);
    EXPECT_EQ(chainLinkOf(""), nullptr);
}

} // namespace
} // namespace quillmar
