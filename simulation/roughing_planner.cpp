#include "simulation/roughing_planner.h"

#include "core/checked_arithmetic.h"
#include "core/leading_number.h"
#include "core/plain_number_text.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <utility>

namespace quillmar {

namespace {

constexpr long long kFromStock = -1;

std::string allowanceText(long long micrometres) {
    return plainNumberText(double(micrometres) / 1000);
}

// A caller that stopped the plan.
struct Stopped {};

// The largest chip of a run at one allowance cut after a run at another (or from the
// stock), each got by planning and writing the runs as a press of the button would,
// numbered from the start.
class ChipOracle {
public:
    ChipOracle(const DialogSnapshot& dialog, const SimulationOptions& options,
               const PlanWatch& watch)
        : dialog_(dialog), options_(options), watch_(watch) {}

    std::optional<double> largestChip(long long previous, long long allowance) {
        const auto key = std::make_pair(previous, allowance);
        if (const auto found = cache_.find(key); found != cache_.end()) {
            return found->second;
        }
        const auto chip = simulate(previous, allowance);
        cache_.emplace(key, chip);
        return chip;
    }

    // The largest depth of any pass of the finishing run below the stock, on the
    // diameter, in micrometres: an allowance that large cuts nothing.
    const std::string& firstError() const { return firstError_; }

    std::optional<long long> allAirAllowance() {
        const auto output = press({0});
        if (!output) {
            return std::nullopt;
        }
        double deepest = 0;
        for (const ThreadingPass& pass : output->reading.passes) {
            deepest = std::max(deepest, std::fabs(pass.x - output->job.stockDiameter));
        }
        return (long long)std::ceil(deepest * 1000) + 1;
    }

private:
    struct Pressed {
        ThreadJob job; // with the values the control uses after the last run
        PassReading reading;
    };

    std::optional<Pressed> press(const std::vector<long long>& allowances) const {
        if (watch_.cancelled && watch_.cancelled()) {
            throw Stopped{};
        }
        Pressed pressed;
        float counter = 1;
        for (const long long allowance : allowances) {
            DialogSnapshot run = dialog_;
            run.text(JobField::FinishAllowance) = allowanceText(allowance);
            try {
                const RunOutput output = generateRun(pressed.job, counter, run);
                counter = output.counterAfter;
                storeControlValues(pressed.job, output.standard.valuesAfter);
                addWrittenRun(pressed.reading, output.standard.moves);
            } catch (const DataError& error) {
                if (firstError_.empty()) {
                    firstError_ = error.what();
                }
                return std::nullopt;
            }
        }
        return pressed;
    }

    std::optional<double> simulate(long long previous, long long allowance) const {
        std::vector<long long> runs;
        if (previous != kFromStock) {
            runs.push_back(previous);
        }
        runs.push_back(allowance);
        const auto output = press(runs);
        if (!output) {
            return std::nullopt;
        }
        const SimulationResult result =
            simulateCut(output->reading, sectionFromJob(output->job, options_));
        ++trials_;
        if (watch_.progress) {
            watch_.progress(trials_);
        }
        double largest = 0;
        for (const PassCut& cut : result.passes) {
            if (cut.run == result.runs - 1) {
                largest = std::max(largest, cut.chipArea);
            }
        }
        return largest;
    }

    const DialogSnapshot& dialog_;
    const SimulationOptions& options_;
    const PlanWatch& watch_;
    mutable int trials_ = 0;
    mutable std::string firstError_;
    std::map<std::pair<long long, long long>, std::optional<double>> cache_;
};

Unexpected<PlanRefusal> refusal(PlanRefusal::Reason reason, double needed = 0) {
    return {PlanRefusal{reason, needed}};
}

PlanResult planWith(const DialogSnapshot& dialog, double maxChipArea,
                    const SimulationOptions& options, const PlanWatch& watch) {
    ChipOracle oracle(dialog, options, watch);
    const auto dataError = [&oracle] {
        return Unexpected<PlanRefusal>{
            PlanRefusal{PlanRefusal::Reason::DataError, 0, oracle.firstError()}};
    };
    const double given = leadingNumberValue(dialog.text(JobField::FinishAllowance));
    const long long lastRoughing = given > 0 ? (long long)std::llround(given * 1000) : 0;
    if (!(maxChipArea > 0)) {
        const auto asGiven = oracle.largestChip(kFromStock, lastRoughing);
        if (!asGiven) {
            return dataError();
        }
        return refusal(PlanRefusal::Reason::LimitNotPositive, *asGiven);
    }
    const auto airAllowance = oracle.allAirAllowance();
    if (!airAllowance) {
        return dataError();
    }
    // The last run goes to 0 from at least 0.001 mm, and chips grow with what the run
    // before left: when even that run is over the limit, no plan can end.
    if (lastRoughing == 0) {
        const auto smallest = oracle.largestChip(1, 0);
        if (!smallest) {
            return dataError();
        }
        if (*smallest > maxChipArea) {
            return refusal(PlanRefusal::Reason::StepTooSmall, *smallest);
        }
    }
    RoughingPlan plan;
    if (lastRoughing > 0) {
        const auto finishing = oracle.largestChip(lastRoughing, 0);
        if (!finishing) {
            return dataError();
        }
        if (*finishing > maxChipArea) {
            return refusal(PlanRefusal::Reason::FinishingRunExceeds, *finishing);
        }
    }
    // Each run goes as deep as the limit lets it after the one before: with chips
    // that grow with what the run before left, no plan has fewer runs.
    long long previous = kFromStock;
    for (;;) {
        const auto reached = oracle.largestChip(previous, lastRoughing);
        if (!reached) {
            return dataError();
        }
        long long next = lastRoughing;
        double chip = *reached;
        if (chip > maxChipArea) {
            long long infeasible = lastRoughing;
            long long feasible =
                previous == kFromStock ? std::max(*airAllowance, lastRoughing + 1) : previous;
            double feasibleChip = 0;
            while (feasible - infeasible > 1) {
                const long long middle = infeasible + (feasible - infeasible) / 2;
                const auto middleChip = oracle.largestChip(previous, middle);
                if (!middleChip) {
                    return dataError();
                }
                if (*middleChip <= maxChipArea) {
                    feasible = middle;
                    feasibleChip = *middleChip;
                } else {
                    infeasible = middle;
                }
            }
            if (feasible == previous) {
                const auto smallest = oracle.largestChip(previous, previous - 1);
                return refusal(PlanRefusal::Reason::StepTooSmall, smallest.value_or(0));
            }
            next = feasible;
            chip = feasibleChip;
        }
        plan.allowances.push_back(allowanceText(next));
        plan.largestChip.push_back(chip);
        previous = next;
        if (next == lastRoughing) {
            break;
        }
        if (int(plan.allowances.size()) >= kMostPlannedRuns) {
            return refusal(PlanRefusal::Reason::TooManyRuns, chip);
        }
    }
    if (lastRoughing > 0) {
        plan.allowances.push_back("0");
        plan.largestChip.push_back(*oracle.largestChip(lastRoughing, 0));
    }
    if (int(plan.allowances.size()) > kMostPlannedRuns) {
        return refusal(PlanRefusal::Reason::TooManyRuns, plan.largestChip.back());
    }
    return plan;
}

} // namespace

PlanResult planRoughing(const DialogSnapshot& dialog, double maxChipArea,
                        const SimulationOptions& options, const PlanWatch& watch) {
    try {
        return planWith(dialog, maxChipArea, options, watch);
    } catch (const Stopped&) {
        return refusal(PlanRefusal::Reason::Cancelled);
    }
}

ProgramOutputResult runPlannedOutputs(ThreadJob& job, const DialogSnapshot& dialog,
                                      const RoughingPlan& plan, OutputPanes& panes) {
    ProgramOutputResult result;
    for (const std::string& allowance : plan.allowances) {
        DialogSnapshot run = dialog;
        run.text(JobField::FinishAllowance) = allowance;
        result = runProgramOutput(job, run, panes);
        if (!result.ok()) {
            break;
        }
    }
    return result;
}

} // namespace quillmar
