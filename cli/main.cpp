// quillmar-gen: the headless generator. Same job texts, same programs and the same
// graphics as the window.

#include "cli/command_line.h"
#include "cli/file_io.h"
#include "cli/job_file.h"
#include "cli/job_runner.h"
#include "cli/join_text.h"
#include "cli/pane_pictures.h"
#include "cli/picture_encoding.h"
#include "cli/run_fields.h"

#include <iostream>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace quillmar;

constexpr int kExitRunFailed = 1;
constexpr int kExitBadInput = 2;

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
        {"--cutting-picture", &line.cuttingPicture}};
    for (const auto& [option, path] : options) {
        if (*path) {
            outputs.emplace_back(option, **path);
        }
    }
    return outputs;
}

// Two outputs into one file would leave only the one renamed last.
std::optional<std::string> sameFileProblem(const CommandLine& line) {
    const auto outputs = namedOutputs(line);
    for (std::size_t i = 0; i < outputs.size(); ++i) {
        for (std::size_t k = i + 1; k < outputs.size(); ++k) {
            if (namesSameFile(outputs[i].second, outputs[k].second)) {
                return joinText({outputs[i].first, " and ", outputs[k].first,
                                 " name the same file '", outputs[i].second, "'"});
            }
        }
    }
    return std::nullopt;
}

// The picture files' bytes, or the first that cannot be drawn.
std::optional<IoFailure> addPictures(const CommandLine& line, const PanePictures& pictures,
                                     std::vector<FileContent>& files) {
    PictureEncoder encoder;
    const std::pair<const std::optional<std::string>*, const RecordingSurface*> wanted[] = {
        {&line.pointsPicture, &pictures.points()}, {&line.cuttingPicture, &pictures.cutting()}};
    for (const auto& [path, recording] : wanted) {
        if (!*path) {
            continue;
        }
        auto encoded = encoder.encode(*recording, **path, line.pictureSize);
        if (auto* fault = std::get_if<IoFailure>(&encoded)) {
            return *fault;
        }
        files.push_back({**path, std::get<std::string>(std::move(encoded))});
    }
    return std::nullopt;
}

int writeOutputs(const CommandLine& line, const JobOutcome& outcome,
                 const std::optional<PanePictures>& pictures) {
    if (!line.writesFiles()) {
        const auto fault = writeStandardOutput(savedBytes(outcome.standardText));
        return fault ? reportIoFailure(*fault, "write") : 0;
    }
    std::vector<FileContent> files;
    if (line.macroFile) {
        files.push_back({*line.macroFile, savedBytes(outcome.macroText)});
    }
    if (line.standardFile) {
        files.push_back({*line.standardFile, savedBytes(outcome.standardText)});
    }
    if (pictures) {
        if (const auto fault = addPictures(line, *pictures, files)) {
            return reportIoFailure(*fault, "draw");
        }
    }
    const auto fault = replaceFiles(files);
    return fault ? reportIoFailure(*fault, "write") : 0;
}

int generate(const CommandLine& line) {
    if (const auto problem = sameFileProblem(line)) {
        return badUsage(*problem);
    }
    if (line.wantsPictures() && !PictureEncoder::available()) {
        return badUsage("this quillmar-gen was built without Qt GUI and draws no pictures");
    }
    auto read = readWholeFile(line.jobFile);
    if (const auto* fault = std::get_if<IoFailure>(&read)) {
        return reportIoFailure(*fault, "read");
    }
    const std::string shownName = line.jobFile == "-" ? "standard input" : line.jobFile;
    const JobFile job = parseJobFile(std::get<std::string>(read));
    if (!job.ok()) {
        std::cerr << describeJobFileError(shownName, *job.error) << "\n";
        return kExitBadInput;
    }
    std::optional<PanePictures> pictures;
    PaneChanged redraw;
    if (line.wantsPictures()) {
        pictures.emplace(line.pictureSize);
        redraw = [&pictures](Pane pane, const std::string& text, const ThreadJob& job) {
            pictures->paneChanged(pane, text, job);
        };
    }
    std::vector<DialogSnapshot> dialogs;
    RunStarting collect;
    if (line.listFields) {
        collect = [&dialogs](const DialogSnapshot& dialog) { dialogs.push_back(dialog); };
    }
    const JobOutcome outcome = runJob(job.runs, redraw, collect);
    if (outcome.formError) {
        std::cerr << describeJobFileError(shownName, *outcome.formError) << "\n";
        return kExitBadInput;
    }
    // The fields are listed up to the run that stopped, so that a script sees what that
    // run was given.
    if (line.listFields) {
        if (const auto fault = writeStandardOutput(runFieldsText(dialogs))) {
            return reportIoFailure(*fault, "write");
        }
    }
    if (!outcome.ok()) {
        std::cerr << "データエラー run " << outcome.failedRun << " (" << shownName << ":"
                  << outcome.failedRunLine << ")\n";
        return kExitRunFailed;
    }
    if (line.listFields) {
        return 0;
    }
    return writeOutputs(line, outcome, pictures);
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    const CommandLine line = parseCommandLine(arguments);
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
