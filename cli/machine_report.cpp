#include "cli/machine_report.h"

#include <algorithm>
#include <cmath>

namespace quillmar {

namespace {

double rounded(double value) {
    return std::round(value * 1e6) / 1e6;
}

const char* checkName(MachineCheck::Kind kind) {
    switch (kind) {
    case MachineCheck::Kind::RunIn:
        return "runIn";
    case MachineCheck::Kind::RunOut:
        return "runOut";
    case MachineCheck::Kind::SpindleSpeed:
        return "spindleSpeed";
    case MachineCheck::Kind::Retract:
        return "retract";
    }
    return "";
}

// The largest of a figure over the runs, null when no run knows it.
ReportJson largestOf(const std::vector<RunMachineFigures>& runs,
                     std::optional<double> MachineFigures::*figure) {
    std::optional<double> largest;
    for (const RunMachineFigures& run : runs) {
        if (const auto value = run.figures.*figure) {
            largest = std::max(largest.value_or(*value), *value);
        }
    }
    return largest ? ReportJson(rounded(*largest)) : ReportJson();
}

ReportJson checkJson(const RunMachineFigures& run, const MachineCheck& check) {
    ReportJson json = {{"run", run.run}, {"check", checkName(check.kind)}};
    json["pass"] = check.pass >= 0 ? ReportJson(check.pass + 1) : ReportJson();
    json["start"] = check.pass >= 0 ? ReportJson(run.plan.passes[std::size_t(check.pass)].start + 1)
                                    : ReportJson();
    json["needed"] = rounded(check.needed);
    json["there"] = rounded(check.there);
    json["reason"] = describeMachineCheck(run.plan, check);
    return json;
}

} // namespace

ReportJson machineJson(const std::vector<RunMachineFigures>& runs) {
    ReportJson json;
    json["runIn"] = largestOf(runs, &MachineFigures::runIn);
    json["runOut"] = largestOf(runs, &MachineFigures::runOut);
    std::optional<double> speed;
    std::optional<double> cycle = runs.empty() ? std::nullopt : std::optional(0.0);
    ReportJson failed = ReportJson::array();
    for (const RunMachineFigures& run : runs) {
        if (run.figures.maxSpindleSpeed) {
            speed = std::min(speed.value_or(*run.figures.maxSpindleSpeed),
                             *run.figures.maxSpindleSpeed);
        }
        cycle = cycle && run.figures.cycleTime ? std::optional(*cycle + *run.figures.cycleTime)
                                               : std::nullopt;
        for (const MachineCheck& check : run.figures.failed) {
            failed.push_back(checkJson(run, check));
        }
    }
    json["maxSpindleSpeed"] = speed ? ReportJson(std::floor(*speed)) : ReportJson();
    json["cycleTime"] = cycle ? ReportJson(rounded(*cycle)) : ReportJson();
    json["failedChecks"] = std::move(failed);
    return json;
}

std::vector<std::string> failedCheckLines(const std::vector<RunMachineFigures>& runs) {
    std::vector<std::string> lines;
    for (const RunMachineFigures& run : runs) {
        for (const MachineCheck& check : run.figures.failed) {
            lines.push_back("run " + std::to_string(run.run) + ", " +
                            describeMachineCheck(run.plan, check));
        }
    }
    return lines;
}

} // namespace quillmar
