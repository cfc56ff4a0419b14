#pragma once

#include <optional>
#include <string>
#include <vector>

namespace quillmar {

struct CommandLine {
    enum class Action { Generate, Help, Version, BadUsage };
    Action action = Action::Generate;
    std::string jobFile; // "-" is standard input
    std::optional<std::string> macroFile;
    std::optional<std::string> standardFile;
    std::string problem; // BadUsage: what is wrong
};

// Reads the arguments after the program name, GNU style: "--macro FILE" or
// "--macro=FILE", "--" ends the options, a later option of the same name wins.
CommandLine parseCommandLine(const std::vector<std::string>& arguments);

std::string usageLine();
std::string helpText();
std::string versionText();

} // namespace quillmar
