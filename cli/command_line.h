#pragma once

#include <optional>
#include <string>
#include <vector>

namespace quillmar {

// The largest side of a picture file: beyond it an image would not fit in memory.
inline constexpr int kLargestPictureSide = 16384;

struct PictureSize {
    int width = 800;
    int height = 400;
    friend bool operator==(const PictureSize&, const PictureSize&) = default;
};

struct CommandLine {
    enum class Action { Generate, Help, Version, BadUsage };
    Action action = Action::Generate;
    std::string jobFile; // "-" is standard input
    std::optional<std::string> macroFile;
    std::optional<std::string> standardFile;
    std::optional<std::string> pointsPicture;  // the point graphic, .png or .svg
    std::optional<std::string> cuttingPicture; // the cutting graphic, .png or .svg
    PictureSize pictureSize;
    bool listFields = false; // --fields: the runs as they are used, instead of programs
    std::string problem;     // BadUsage: what is wrong

    bool wantsPictures() const { return pointsPicture || cuttingPicture; }
    // Any file at all: without one, the standard program goes to standard output.
    bool writesFiles() const { return macroFile || standardFile || wantsPictures(); }
};

// Reads the arguments after the program name, GNU style: "--macro FILE" or
// "--macro=FILE", "--" ends the options, a later option of the same name wins.
CommandLine parseCommandLine(const std::vector<std::string>& arguments);

// "WIDTHxHEIGHT" in pixels, each side 1 to kLargestPictureSide; nothing else.
std::optional<PictureSize> parsePictureSize(const std::string& text);

std::string usageLine();
std::string helpText();
std::string versionText();

} // namespace quillmar
