#include "simulation/roughing_planner.h"
#include "simulation/twin_starts.h"
#include "tests/core/example_dialogs.h"

#include <gtest/gtest.h>

namespace quillmar {
namespace {

using testing::trapezoidalDialog;
using testing::workedExampleDialog;

// The largest chip of any pass of everything the panes hold after the planned runs.
double largestChipOfPlannedJob(const DialogSnapshot& dialog, const RoughingPlan& plan) {
    ThreadJob job;
    TextPanes panes;
    EXPECT_TRUE(runPlannedOutputs(job, dialog, plan, panes).ok());
    const std::u16string text(panes.standard.begin(), panes.standard.end());
    const SimulationResult result = simulateProgram(text, &job);
    EXPECT_EQ(result.runs, int(plan.allowances.size()));
    double largest = 0;
    for (const PassCut& cut : result.passes) {
        largest = std::max(largest, cut.chipArea);
    }
    return largest;
}

TEST(RoughingPlanner, PlannedRunsStayWithinTheirLimitAndSmallerLimitsNeedMoreRuns) {
    const DialogSnapshot dialog = trapezoidalDialog();
    std::size_t runsBefore = 0;
    for (const double limit : {2.0, 0.8, 0.4, 0.25}) {
        const PlanResult result = planRoughing(dialog, limit);
        ASSERT_TRUE(result.ok()) << limit;
        const RoughingPlan& plan = result.value();
        EXPECT_EQ(plan.allowances.back(), "0");
        EXPECT_LE(largestChipOfPlannedJob(dialog, plan), limit) << limit;
        EXPECT_GE(plan.allowances.size(), runsBefore) << limit;
        runsBefore = plan.allowances.size();
    }
    EXPECT_GT(runsBefore, 2u);
}

TEST(RoughingPlanner, KeepsTheGivenLastRoughingAllowance) {
    DialogSnapshot dialog = trapezoidalDialog();
    dialog.text(JobField::FinishAllowance) = "0.2";
    const PlanResult result = planRoughing(dialog, 0.5);
    ASSERT_TRUE(result.ok());
    const auto& allowances = result.value().allowances;
    ASSERT_GE(allowances.size(), 2u);
    EXPECT_EQ(allowances[allowances.size() - 2], "0.2");
    EXPECT_EQ(allowances.back(), "0");
}

TEST(RoughingPlanner, RefusesWithTheFigureNeeded) {
    DialogSnapshot dialog = trapezoidalDialog();
    for (const double limit : {0.0, -1.0}) {
        const PlanResult result = planRoughing(dialog, limit);
        ASSERT_FALSE(result.ok());
        EXPECT_EQ(result.error().reason, PlanRefusal::Reason::LimitNotPositive);
        EXPECT_GT(result.error().neededArea, 0);
    }
    dialog.text(JobField::FinishAllowance) =
        "2"; // the finishing run then takes a full millimetre of the radius
    const PlanResult result = planRoughing(dialog, 0.3);
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.error().reason, PlanRefusal::Reason::FinishingRunExceeds);
    EXPECT_GT(result.error().neededArea, 0.3);
}

// Even a finishing run after 0.001 mm is over the limit: refused before any roughing
// run is tried.
TEST(RoughingPlanner, RefusesAtOnceWhenNoFinishingRunFits) {
    int trials = 0;
    const PlanResult result =
        planRoughing(trapezoidalDialog(), 1e-9, {}, {[&](int done) { trials = done; }, {}});
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.error().reason, PlanRefusal::Reason::StepTooSmall);
    EXPECT_EQ(trials, 1);
}

TEST(RoughingPlanner, ACancelledPlanIsRefusedAsSuch) {
    const PlanResult result = planRoughing(trapezoidalDialog(), 0.5, {}, {{}, [] { return true; }});
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.error().reason, PlanRefusal::Reason::Cancelled);
}

// The refusal carries what stopped the trial runs, for the message.
TEST(RoughingPlanner, AJobThatFailsIsTheDataError) {
    struct Case {
        JobField field;
        const char* text;
        const char* reasonHas;
    };
    for (const auto& [field, text, reasonHas] :
         {Case{JobField::A1, "0", "division by zero"},
          Case{JobField::XRetract, "-1", "retract X-1.0,"}}) {
        DialogSnapshot dialog = trapezoidalDialog();
        dialog.text(field) = text;
        const PlanResult result = planRoughing(dialog, 1);
        ASSERT_FALSE(result.ok());
        EXPECT_EQ(result.error().reason, PlanRefusal::Reason::DataError);
        EXPECT_NE(result.error().dataError.find(reasonHas), std::string::npos)
            << result.error().dataError;
    }
}

// Writing and simulating start 0 alone where the starts are proven twins gives the plan
// or refusal, chips included, of writing and simulating every start; where they are not
// (a taper), every start is written. `twins` says whether the proof holds for the run.
TEST(RoughingPlanner, OneStartOfTwinsPlansAsEveryStart) {
    struct Case {
        const char* starts;
        StartShift shift;
        std::string_view control;
        JobField field; // set to `text` besides the starts
        const char* text;
        double limit;
        bool twins;
    };
    for (const auto& [starts, shift, control, field, text, limit, twins] : {
             Case{"1", StartShift::Z, kOspControl, JobField::Starts, "1", 0.05, false},
             Case{"2", StartShift::Z, kOspControl, JobField::ZEnd, "-30", 0.05, true},
             Case{"2", StartShift::Z, kFanucControl, JobField::ZEnd, "-30", 0.01, true},
             Case{"99", StartShift::Z, kOspControl, JobField::ZEnd, "-30", 0.05, true},
             Case{"4", StartShift::Angle, "sinumerik", JobField::ZEnd, "-30", 0.05, true},
             Case{"7", StartShift::Angle, "mitsubishi", JobField::ZEnd, "-30", 0.05, false},
             Case{"99", StartShift::Z, kOspControl, JobField::FinishAllowance, "2", 0.3, true},
             Case{"99", StartShift::Z, kFanucControl, JobField::ZEnd, "-30", 1e-9, true},
             Case{"2", StartShift::Z, kOspControl, JobField::TaperAngle, "1.5", 0.2, false},
             Case{"2", StartShift::Z, kOspControl, JobField::XRetract, "-1", 0.05, false},
         }) {
        DialogSnapshot dialog = workedExampleDialog();
        dialog.text(JobField::Starts) = starts;
        dialog.text(field) = text;
        dialog.choices.startShift = shift;
        dialog.choices.control = control;
        const std::string row = std::string(starts) + " " + text + " " + std::to_string(limit);
        ThreadJob job;
        try {
            PlannedRun planned = planRun(job, 1, dialog);
            EXPECT_EQ(TwinStarts(dialog.choices).keepFirstStart(planned.plan).has_value(), twins)
                << row;
        } catch (const DataError&) {
            EXPECT_FALSE(twins) << row;
        }
        const PlanResult quick = planRoughing(dialog, limit);
        const PlanResult whole = planRoughing(dialog, limit, {}, {}, {false});
        ASSERT_EQ(quick.ok(), whole.ok()) << row;
        if (quick.ok()) {
            EXPECT_EQ(quick.value().allowances, whole.value().allowances) << row;
            EXPECT_EQ(quick.value().largestChip, whole.value().largestChip) << row;
        } else {
            EXPECT_EQ(quick.error().reason, whole.error().reason) << row;
            EXPECT_EQ(quick.error().neededArea, whole.error().neededArea) << row;
            EXPECT_EQ(quick.error().dataError, whole.error().dataError) << row;
        }
    }
}

} // namespace
} // namespace quillmar
