// quillmar-gen: the headless generator. Same job texts, same programs and the same
// graphics as the window.

#include "cli/command_line.h"
#include "cli/file_io.h"
#include "cli/job_file.h"
#include "cli/job_runner.h"
#include "cli/join_text.h"
#include "cli/machine_report.h"
#include "cli/pane_pictures.h"
#include "cli/picture_encoding.h"
#include "cli/platform_console.h"
#include "cli/run_fields.h"
#include "cli/simulation_report.h"
#include "cli/utf16_text.h"
#include "core/plain_number_text.h"
#include "simulation/section_drawing.h"

#include <algorithm>
#include <cmath>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

using namespace quillmar;

constexpr int kExitRunFailed = 1;
constexpr int kExitBadInput = 2;
constexpr int kExitMachineCheck = 3;

int reportIoFailure(const IoFailure& fault, const char* what) {
    std::cerr << "quillmar-gen: cannot " << what << " " << fault.fileName << ": " << fault.reason
              << "\n";
    return kExitBadInput;
}

int badUsage(const std::string& problem) {
    std::cerr << "quillmar-gen: " << problem << "\n"
              << usageLine() << "Try 'quillmar-gen --help' for more information.\n";
    return kExitBadInput;
}

// The output files the options name, each with its option, in the order of the help.
std::vector<std::pair<const char*, std::string>> namedOutputs(const CommandLine& line) {
    std::vector<std::pair<const char*, std::string>> outputs;
    const std::pair<const char*, const std::optional<std::string>*> options[] = {
        {"--macro", &line.macroFile},
        {"--standard", &line.standardFile},
        {"--points-picture", &line.pointsPicture},
        {"--cutting-picture", &line.cuttingPicture},
        {"--report", &line.reportFile},
        {"--section-picture", &line.sectionPicture}};
    for (const auto& [option, path] : options) {
        if (*path) {
            outputs.emplace_back(option, **path);
        }
    }
    return outputs;
}

constexpr std::string_view kStandardStream = "-";

// Two outputs into one file would leave only the one renamed last, and an output over
// the job file would destroy the job it was made from.
std::optional<std::string> sameFileProblem(const CommandLine& line) {
    const auto outputs = namedOutputs(line);
    for (std::size_t i = 0; i < outputs.size(); ++i) {
        const auto& [option, path] = outputs[i];
        for (std::size_t k = i + 1; k < outputs.size(); ++k) {
            if (path == kStandardStream && outputs[k].second == kStandardStream) {
                return joinText({option, " and ", outputs[k].first, " both name standard output"});
            }
            if (path != kStandardStream && namesSameFile(path, outputs[k].second)) {
                return joinText(
                    {option, " and ", outputs[k].first, " name the same file '", path, "'"});
            }
        }
        if (path != kStandardStream && line.jobFile != kStandardStream &&
            namesSameFile(path, line.jobFile)) {
            return joinText({option, " names the job file '", path, "'"});
        }
    }
    return std::nullopt;
}

// The picture files' bytes, or the first that cannot be drawn.
IoResult<> addPictures(const CommandLine& line, const PanePictures* pictures,
                       const RecordingSurface* section, std::vector<FileContent>& files) {
    PictureEncoder encoder;
    const std::pair<const std::optional<std::string>*, const RecordingSurface*> wanted[] = {
        {&line.pointsPicture, pictures ? &pictures->points() : nullptr},
        {&line.cuttingPicture, pictures ? &pictures->cutting() : nullptr},
        {&line.sectionPicture, section}};
    for (const auto& [path, recording] : wanted) {
        if (!*path || !recording) {
            continue;
        }
        auto encoded = encoder.encode(*recording, **path, line.pictureSize);
        if (!encoded) {
            return unexpected(encoded.error());
        }
        files.push_back({**path, std::move(*encoded)});
    }
    return {};
}

SimulationOptions simulationOptions(const CommandLine& line) {
    SimulationOptions options;
    options.bodyHalfAngleDegrees = line.bodyHalfAngle;
    return options;
}

int writeOutputs(const CommandLine& line, const JobOutcome& outcome,
                 const std::optional<PanePictures>& pictures) {
    if (!line.writesFiles()) {
        const auto written = writeStandardOutput(savedBytes(outcome.standardText));
        return written ? 0 : reportIoFailure(written.error(), "write");
    }
    std::vector<FileContent> files;
    if (line.macroFile) {
        files.push_back({*line.macroFile, savedBytes(outcome.macroText)});
    }
    if (line.standardFile) {
        files.push_back({*line.standardFile, savedBytes(outcome.standardText)});
    }
    std::optional<RecordingSurface> section;
    if (line.wantsSimulation()) {
        const SimulationResult result = simulateProgram(utf16FromUtf8(outcome.standardText),
                                                        &outcome.job, simulationOptions(line));
        if (line.reportFile) {
            const std::optional<ReportJson> machine =
                outcome.machine.empty() ? std::nullopt
                                        : std::optional(machineJson(outcome.machine));
            files.push_back({*line.reportFile,
                             simulationReport(*line.reportFile, result, outcome.maxChipArea,
                                              machine, outcome.form ? &*outcome.form : nullptr)});
        }
        if (line.sectionPicture) {
            SectionView view;
            view.pixelAspect = double(line.pictureSize.width) / line.pictureSize.height;
            view.maxChipArea = outcome.maxChipArea;
            drawSection(result, view, section.emplace());
        }
    }
    if (line.wantsPictures()) {
        if (const auto drawn = addPictures(line, pictures ? &*pictures : nullptr,
                                           section ? &*section : nullptr, files);
            !drawn) {
            return reportIoFailure(drawn.error(), "draw");
        }
    }
    // A program for standard output ("-") goes first: should that fail, no file has
    // been replaced yet.
    const auto toStream = std::find_if(files.begin(), files.end(), [](const FileContent& file) {
        return file.path == kStandardStream;
    });
    if (toStream != files.end()) {
        if (const auto written = writeStandardOutput(toStream->bytes); !written) {
            return reportIoFailure(written.error(), "write");
        }
        files.erase(toStream);
    }
    const auto replaced = replaceFiles(files);
    return replaced ? 0 : reportIoFailure(replaced.error(), "write");
}

std::string refusalText(const PlanRefusal& refusal) {
    const std::string needed = plainNumberText(std::ceil(refusal.neededArea * 1e6) / 1e6);
    switch (refusal.reason) {
    case PlanRefusal::Reason::LimitNotPositive:
        return "maxChipArea must be more than 0; the run as given takes chips up to " + needed +
               " mm^2";
    case PlanRefusal::Reason::FinishingRunExceeds:
        return "no roughing plan keeps to maxChipArea: the finishing run after the run's "
               "finishAllowance alone takes chips up to " +
               needed + " mm^2";
    case PlanRefusal::Reason::StepTooSmall:
        return "no roughing plan keeps to maxChipArea: even a run 0.001 mm deeper than the last "
               "takes chips up to " +
               needed + " mm^2";
    case PlanRefusal::Reason::TooManyRuns:
        return "no roughing plan keeps to maxChipArea within " + std::to_string(kMostPlannedRuns) +
               " runs";
    case PlanRefusal::Reason::Cancelled:
        return "the roughing plan was stopped";
    case PlanRefusal::Reason::DataError:
        break;
    }
    return "データエラー";
}

int generate(const CommandLine& line) {
    if (const auto problem = sameFileProblem(line)) {
        return badUsage(*problem);
    }
    if (line.wantsPictures() && !PictureEncoder::available()) {
        return badUsage("this quillmar-gen was built without Qt GUI and draws no pictures");
    }
    const auto read = readJobFile(line.jobFile);
    if (!read) {
        return reportIoFailure(read.error(), "read");
    }
    const std::string shownName = line.jobFile == "-" ? "standard input" : line.jobFile;
    const JobFile job = parseJobFile(*read);
    if (!job.ok()) {
        std::cerr << describeJobFileError(shownName, *job.error) << "\n";
        return kExitBadInput;
    }
    std::optional<PanePictures> pictures;
    PaneChanged noteChange;
    if (line.wantsPanePictures()) {
        pictures.emplace(line.pictureSize);
        noteChange = [&pictures](Pane pane, const std::string& text, const ThreadJob& job) {
            pictures->paneChanged(pane, text, job);
        };
    }
    std::vector<ListedRun> dialogs;
    RunStarting collect;
    if (line.listFields) {
        collect = [&dialogs, &job, &line](const DialogSnapshot& dialog,
                                          const MachineProfile& machine) {
            const JobRun& run = job.runs[dialogs.size()];
            std::optional<std::string> profile;
            if (run.profile) {
                profile = profileAsRead(*run.profile, line.jobFile);
            }
            dialogs.push_back({dialog, machine, profile, run.layer});
        };
    }
    const auto grooves = loadRunProfiles(job.runs, line.jobFile);
    if (!grooves) {
        std::cerr << describeJobFileError(shownName, grooves.error()) << "\n";
        return kExitBadInput;
    }
    const JobOutcome outcome =
        runJob(job.runs, noteChange, collect, simulationOptions(line), *grooves);
    for (const std::string& note : outcome.notes) {
        std::cerr << "quillmar-gen: note: " << note << "\n";
    }
    if (outcome.formError) {
        std::cerr << describeJobFileError(shownName, *outcome.formError) << "\n";
        return kExitBadInput;
    }
    if (!outcome.ok() && outcome.refusal) {
        std::cerr << "quillmar-gen: run " << outcome.failedRun << " (" << shownName << ":"
                  << outcome.failedRunLine << "): " << refusalText(*outcome.refusal) << "\n";
        return kExitRunFailed;
    }
    // The fields are listed up to the run that stopped, so that a script sees what that
    // run was given.
    if (line.listFields) {
        if (const auto written = writeStandardOutput(runFieldsText(dialogs)); !written) {
            return reportIoFailure(written.error(), "write");
        }
    }
    if (!outcome.ok()) {
        std::cerr << "データエラー run " << outcome.failedRun << " (" << shownName << ":"
                  << outcome.failedRunLine << ")"
                  << (outcome.failedReason.empty() ? "" : ": " + outcome.failedReason) << "\n";
        return kExitRunFailed;
    }
    if (line.listFields) {
        return 0;
    }
    // A failed machine check leaves a valid program: a warning, unless --strict.
    const auto failedChecks = failedCheckLines(outcome.machine);
    for (const std::string& failed : failedChecks) {
        std::cerr << "quillmar-gen: " << (line.strict ? "" : "warning: ") << shownName << ": "
                  << failed << "\n";
    }
    if (line.strict && !failedChecks.empty()) {
        return kExitMachineCheck;
    }
    if (pictures) {
        pictures->draw(outcome.macroText, outcome.standardText);
    }
    return writeOutputs(line, outcome, pictures);
}

} // namespace

int main(int argc, char** argv) {
    platform::prepareConsole();
    const CommandLine line = parseCommandLine(platform::commandArguments(argc, argv));
    switch (line.action) {
    case CommandLine::Action::Help:
        std::cout << helpText() << std::flush;
        return std::cout ? 0 : kExitBadInput;
    case CommandLine::Action::Version:
        std::cout << versionText() << std::flush;
        return std::cout ? 0 : kExitBadInput;
    case CommandLine::Action::BadUsage:
        return badUsage(line.problem);
    case CommandLine::Action::Generate:
        break;
    }
    return generate(line);
}
