#include "cli/command_line.h"

#include "cli/join_text.h"

#include <string_view>

namespace quillmar {
namespace {

CommandLine badUsage(std::string problem) {
    CommandLine line;
    line.action = CommandLine::Action::BadUsage;
    line.problem = std::move(problem);
    return line;
}

// The option that takes a file name, or nullptr for any other word.
std::optional<std::string>* fileOption(CommandLine& line, std::string_view name) {
    if (name == "--macro") {
        return &line.macroFile;
    }
    if (name == "--standard") {
        return &line.standardFile;
    }
    return nullptr;
}

} // namespace

CommandLine parseCommandLine(const std::vector<std::string>& arguments) {
    CommandLine line;
    std::vector<std::string> jobFiles;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& word = arguments[i];
        if (optionsEnded || word == "-" || word.empty() || word.front() != '-') {
            jobFiles.push_back(word);
            continue;
        }
        if (word == "--") {
            optionsEnded = true;
        } else if (word == "--help") {
            line.action = CommandLine::Action::Help;
            return line;
        } else if (word == "--version") {
            line.action = CommandLine::Action::Version;
            return line;
        } else {
            const auto equals = word.find('=');
            const std::string name = word.substr(0, equals);
            auto* option = fileOption(line, name);
            if (option == nullptr) {
                return badUsage(joinText({"unknown option '", name, "'"}));
            }
            std::string value;
            if (equals != std::string::npos) {
                value = word.substr(equals + 1);
            } else if (i + 1 < arguments.size()) {
                value = arguments[++i];
            } else {
                return badUsage(joinText({"option '", name, "' needs a file name"}));
            }
            if (value.empty()) {
                return badUsage(joinText({"option '", name, "' needs a file name"}));
            }
            *option = value;
        }
    }
    if (jobFiles.empty()) {
        return badUsage("no job file given");
    }
    if (jobFiles.size() > 1) {
        return badUsage(joinText({"more than one job file given ('", jobFiles[1], "')"}));
    }
    line.jobFile = jobFiles.front();
    if (line.jobFile.empty()) {
        return badUsage("the job file name is empty");
    }
    return line;
}

std::string usageLine() {
    return "Usage: quillmar-gen [--macro FILE] [--standard FILE] JOBFILE\n";
}

std::string helpText() {
    return usageLine() +
           "Write lathe threading programs from the job described in JOBFILE.\n"
           "Each run of the job file is one press of \"プログラム出力\" in the data input\n"
           "dialog; runs append to the two programs and continue their sequence numbers.\n"
           "\n"
           "  --macro FILE     write the OSP macro point data to FILE\n"
           "  --standard FILE  write the standard program (OSP G34 or FANUC G32) to FILE\n"
           "      --help       display this help and exit\n"
           "      --version    output version information and exit\n"
           "\n"
           "Without --macro and --standard the standard program goes to standard output.\n"
           "With JOBFILE -, the job is read from standard input. Files are written whole:\n"
           "an existing file is replaced only when every byte of the new one is on disk.\n"
           "\n"
           "Job file: UTF-8 text of \"key = value\" lines; \"[run]\" starts the next run;\n"
           "blank lines and lines starting with # are skipped. See the examples folder.\n"
           "\n"
           "Exit status:\n"
           " 0  if OK,\n"
           " 1  if a run stopped on its data (\"データエラー \" and the run's number),\n"
           " 2  if the job file, an option or an output file was at fault.\n"
           "\n"
           "Example:\n"
           "  quillmar-gen --macro thread.MIN --standard thread.NC worked-example.job\n";
}

std::string versionText() {
    return "quillmar-gen (Quillmar) " QUILLMAR_VERSION "\n"
           "Writes OSP and FANUC threading programs from job files.\n";
}

} // namespace quillmar
