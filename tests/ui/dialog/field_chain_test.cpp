#include "ui/dialog/field_chain.h"
#include "ui/dialog/form_layout.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

namespace quillmar {
namespace {

using enum JobField;

std::vector<JobField> walkFrom(JobField start) {
    std::vector<JobField> visited{start};
    for (auto next = chainLinkOf(start).next; next && visited.size() <= 100; // 100: a loop
         next = chainLinkOf(*next).next) {
        visited.push_back(*next);
    }
    return visited;
}

std::ptrdiff_t chainPosition(JobField field) {
    const auto chain = fieldChain();
    return std::distance(chain.begin(),
                         std::find_if(chain.begin(), chain.end(),
                                      [field](const ChainLink& l) { return l.field == field; }));
}

// Every field but the number of starts, which comes last in the tab order and is
// left out of the Enter walk; both end on the output button.
TEST(FieldChain, EnterWalksEveryFieldOnceInTabOrderAndEndsOnCommand1) {
    const auto visited = walkFrom(Pitch);
    ASSERT_EQ(visited.size(), kFields.size() - 1);
    for (std::size_t i = 0; i < visited.size(); ++i) {
        EXPECT_EQ(visited[i], kFields[i].field) << "step " << i;
    }
    EXPECT_EQ(kFields.back().field, Starts);
    EXPECT_FALSE(chainLinkOf(Starts).next.has_value());
}

TEST(FieldChain, LeftColumnLeadsIntoTheMiddleColumnNotTheSteps) {
    EXPECT_EQ(chainLinkOf(XRetract).next, D1);
    EXPECT_EQ(chainLinkOf(R4).next, StepR1);
}

struct CopyRule {
    JobField field;
    std::vector<JobField> targets;
};

void PrintTo(const CopyRule& rule, std::ostream* out) {
    *out << fieldInfo(rule.field).widgetName;
}

class FieldChainCopyRules : public ::testing::TestWithParam<CopyRule> {};

TEST_P(FieldChainCopyRules, CopyTargetsAreExactlyTheseAndLieAheadInTheChain) {
    const ChainLink& link = chainLinkOf(GetParam().field);
    const std::vector<JobField> targets(link.copyTo.begin(), link.copyTo.end());
    EXPECT_EQ(targets, GetParam().targets);
    for (JobField target : targets) {
        EXPECT_GT(chainPosition(target), chainPosition(link.field)) << fieldInfo(target).widgetName;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rules, FieldChainCopyRules,
    ::testing::Values(CopyRule{D2, {D3}},
                      CopyRule{StepR1, {StepA1, StepR2, StepD1, StepR3, StepA2, StepR4, StepD2}},
                      CopyRule{StepA1, {StepA2}}, CopyRule{StepR2, {StepR3}},
                      CopyRule{StepD1, {StepD2}}, CopyRule{D3, {}}, CopyRule{StepR3, {}},
                      CopyRule{StepR4, {}}, CopyRule{StepD2, {}}),
    [](const auto& info) { return std::string(fieldInfo(info.param.field).widgetName); });

TEST(FieldChain, OnlyTheFourProfileFieldsAndFeed0Copy) {
    int copying = 0;
    for (const ChainLink& link : fieldChain()) {
        copying += link.copyTo.empty() ? 0 : 1;
    }
    EXPECT_EQ(copying, 5);
}

} // namespace
} // namespace quillmar
