#include "simulation/roughing_planner.h"

#include "core/checked_arithmetic.h"
#include "core/leading_number.h"
#include "core/plain_number_text.h"
#include "core/starts_text.h"
#include "simulation/twin_starts.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <type_traits>
#include <utility>

namespace quillmar {

namespace {

constexpr long long kFromStock = -1;

std::string allowanceText(long long micrometres) {
    return plainNumberText(double(micrometres) / 1000);
}

// A caller that stopped the plan.
struct Stopped {};

// A trial whose further starts could not be proven twins of its first: it is written
// and simulated whole.
struct NotTwins {};

// The largest chip of a run at one allowance cut after a run at another (or from the
// stock), each got by planning and writing the runs as a press of the button would,
// numbered from the start. The run before is simulated once for every trial after it;
// a trial that only has to tell whether a run keeps to the limit stops at its first pass
// over it. Where the starts of a multi-start job are proven twins, a trial writes and
// simulates start 0's passes alone: every further start's pass takes its chip.
class ChipOracle {
public:
    ChipOracle(const DialogSnapshot& dialog, double limit, const SimulationOptions& options,
               const PlanWatch& watch, const PlanMethod& method)
        : dialog_(dialog), limit_(limit), options_(options), watch_(watch),
          oneStart_(method.oneStartForTwins &&
                    startsFromText(dialog.text(JobField::Starts)).value_or(1) > 1),
          twins_(dialog.choices) {}

    // The largest chip of the run.
    std::optional<double> largestChip(long long previous, long long allowance) {
        return chip(previous, allowance, false);
    }
    // The same where it keeps to the limit; over it, some chip of the run that is.
    std::optional<double> chipAgainstLimit(long long previous, long long allowance) {
        return chip(previous, allowance, true);
    }

    // The largest depth of any pass of the finishing run below the stock, on the
    // diameter, in micrometres: an allowance that large cuts nothing.
    const std::string& firstError() const { return firstError_; }

    std::optional<long long> allAirAllowance() {
        // Every start of a straight thread starts at start 0's X.
        const auto output =
            oneStartOrWhole([this](bool oneStart) { return press({0}, Pressed{}, oneStart); });
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
        float counter = 1; // the sequence counter after the last run
        // Written with start 0's passes alone: where the section must lie for that.
        std::optional<TwinLayout> oneStart;
    };
    struct Known {
        double area = 0;
        bool whole = true; // every pass of the run cut; otherwise it stopped over the limit
    };

    std::optional<double> chip(long long previous, long long allowance, bool againstLimit) {
        const auto key = std::make_pair(previous, allowance);
        if (const auto found = cache_.find(key); found != cache_.end()) {
            if (!found->second || found->second->whole || againstLimit) {
                return found->second ? std::optional(found->second->area) : std::nullopt;
            }
        }
        const auto known = simulate(previous, allowance, againstLimit);
        cache_[key] = known;
        return known ? std::optional(known->area) : std::nullopt;
    }

    // With `oneStart`, each run's further starts are proven twins and left unwritten;
    // where they cannot be, or a run fails (its first failure is the whole run's to
    // tell), NotTwins.
    std::optional<Pressed> press(const std::vector<long long>& allowances, Pressed pressed,
                                 bool oneStart) {
        if (watch_.cancelled && watch_.cancelled()) {
            throw Stopped{};
        }
        for (const long long allowance : allowances) {
            DialogSnapshot run = dialog_;
            run.text(JobField::FinishAllowance) = allowanceText(allowance);
            try {
                const RunOutput output = oneStart ? writeFirstStart(pressed, run)
                                                  : generateRun(pressed.job, pressed.counter, run);
                pressed.counter = output.counterAfter;
                storeControlValues(pressed.job, output.standard.valuesAfter);
                addWrittenRun(pressed.reading, output.standard.moves);
            } catch (const DataError& error) {
                if (oneStart) {
                    throw NotTwins{};
                }
                if (firstError_.empty()) {
                    firstError_ = error.what();
                }
                return std::nullopt;
            }
        }
        return pressed;
    }

    RunOutput writeFirstStart(Pressed& pressed, const DialogSnapshot& run) {
        PlannedRun planned = planRun(pressed.job, pressed.counter, run);
        const auto layout = twins_.keepFirstStart(planned.plan);
        if (!layout || (pressed.oneStart && *pressed.oneStart != *layout)) {
            throw NotTwins{};
        }
        pressed.oneStart = layout;
        return writeRun(std::move(planned), run.choices);
    }

    // The first run of a trial, pressed and simulated once for all trials after it.
    struct RunBefore {
        std::optional<long long> allowance; // none before the first trial
        bool oneStart = false;
        std::optional<Pressed> pressed;
        std::optional<SimulationResult> simulated;
    };

    const RunBefore& runBefore(long long previous, bool oneStart) {
        if (before_.allowance != previous || before_.oneStart != oneStart) {
            before_ = {previous, oneStart, std::nullopt, std::nullopt};
            before_.pressed = previous == kFromStock ? std::optional(Pressed{})
                                                     : press({previous}, Pressed{}, oneStart);
        }
        return before_;
    }

    // Written for start 0 alone where the starts are proven twins, otherwise whole.
    template <class Work>
    std::invoke_result_t<const Work&, bool> oneStartOrWhole(const Work& work) {
        if (oneStart_) {
            try {
                return work(true);
            } catch (const NotTwins&) {
                oneStart_ = false; // what failed once is not tried again
            }
        }
        return work(false);
    }

    std::optional<Known> simulate(long long previous, long long allowance, bool againstLimit) {
        return oneStartOrWhole(
            [&](bool oneStart) { return simulate(previous, allowance, againstLimit, oneStart); });
    }

    std::optional<Known> simulate(long long previous, long long allowance, bool againstLimit,
                                  bool oneStart) {
        const RunBefore& before = runBefore(previous, oneStart);
        if (!before.pressed) {
            return std::nullopt;
        }
        const auto output = press({allowance}, *before.pressed, oneStart);
        if (!output) {
            return std::nullopt;
        }
        SectionSetup setup = sectionFromJob(output->job, options_);
        if (oneStart) {
            // Start 0's passes cut alone: one groove stands for every start's.
            if (output->oneStart &&
                *output->oneStart != TwinLayout{setup.pitch, setup.zReference, setup.starts}) {
                throw NotTwins{};
            }
            setup.starts = 1;
        }
        SimulationRequest request;
        if (previous != kFromStock) {
            if (!before_.simulated) {
                SimulationRequest chipsWithCheckpoints;
                chipsWithCheckpoints.chipsOnly = true;
                before_.simulated =
                    simulateCut(before.pressed->reading, setup, chipsWithCheckpoints);
            }
            request.earlier = &*before_.simulated;
        }
        if (againstLimit) {
            request.chipLimit = limit_;
        }
        request.chipsOnly = true;
        request.checkpoints = false;
        const SimulationResult result = simulateCut(output->reading, setup, request);
        ++trials_;
        if (watch_.progress) {
            watch_.progress(trials_);
        }
        Known known{0, !result.overChipLimit};
        for (const PassCut& cut : result.passes) {
            if (cut.run == result.runs - 1) {
                known.area = std::max(known.area, cut.chipArea);
            }
        }
        return known;
    }

    const DialogSnapshot& dialog_;
    double limit_;
    const SimulationOptions& options_;
    const PlanWatch& watch_;
    bool oneStart_;
    TwinStarts twins_;
    int trials_ = 0;
    std::string firstError_;
    std::map<std::pair<long long, long long>, std::optional<Known>> cache_;
    RunBefore before_;
};

Unexpected<PlanRefusal> refusal(PlanRefusal::Reason reason, double needed = 0) {
    return {PlanRefusal{reason, needed, {}}};
}

PlanResult planWith(const DialogSnapshot& dialog, double maxChipArea,
                    const SimulationOptions& options, const PlanWatch& watch,
                    const PlanMethod& method) {
    ChipOracle oracle(dialog, maxChipArea, options, watch, method);
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
        const auto reached = oracle.chipAgainstLimit(previous, lastRoughing);
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
                const auto middleChip = oracle.chipAgainstLimit(previous, middle);
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
                        const SimulationOptions& options, const PlanWatch& watch,
                        const PlanMethod& method) {
    try {
        return planWith(dialog, maxChipArea, options, watch, method);
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
