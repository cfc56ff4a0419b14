// quillmar-gen: the headless generator. Same job texts, same programs as the window.

#include "cli/command_line.h"
#include "cli/file_io.h"
#include "cli/job_file.h"
#include "cli/job_runner.h"
#include "cli/join_text.h"

#include <iostream>
#include <string>
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

int writeOutputs(const CommandLine& line, const JobOutcome& outcome) {
    if (!line.macroFile && !line.standardFile) {
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
    const auto fault = replaceFiles(files);
    return fault ? reportIoFailure(*fault, "write") : 0;
}

int generate(const CommandLine& line) {
    if (line.macroFile && line.standardFile && namesSameFile(*line.macroFile, *line.standardFile)) {
        return badUsage(
            joinText({"--macro and --standard name the same file '", *line.macroFile, "'"}));
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
    const JobOutcome outcome = runJob(job.runs);
    if (!outcome.ok()) {
        std::cerr << "データエラー run " << outcome.failedRun << " (" << shownName << ":"
                  << outcome.failedRunLine << ")\n";
        return kExitRunFailed;
    }
    return writeOutputs(line, outcome);
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
