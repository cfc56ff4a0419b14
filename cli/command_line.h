#pragma once

#include <optional>
#include <string>
#include <string_view>
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
    std::optional<std::string> reportFile;     // the cut simulation, .csv or .json
    std::optional<std::string> sectionPicture; // the simulated section, .png or .svg
    PictureSize pictureSize;
    bool listFields = false;  // --fields: the runs as they are used, instead of programs
    bool strict = false;      // --strict: a failed machine check refuses the job
    double bodyHalfAngle = 0; // degrees: the tool body's sides in the cut simulation
    std::string problem;      // BadUsage: what is wrong

    bool wantsPanePictures() const { return pointsPicture || cuttingPicture; }
    bool wantsPictures() const { return wantsPanePictures() || sectionPicture; }
    bool wantsSimulation() const { return reportFile || sectionPicture; }
    // Any file at all: without one, the standard program goes to standard output.
    bool writesFiles() const { return macroFile || standardFile || wantsPictures() || reportFile; }
};

// Reads the arguments after the program name, GNU style: "--macro FILE" or
// "--macro=FILE", "--" ends the options; an option given twice is refused. A FILE of
// "-" is standard output.
CommandLine parseCommandLine(const std::vector<std::string>& arguments);

// "WIDTHxHEIGHT" in pixels, each side 1 to kLargestPictureSide; nothing else.
std::optional<PictureSize> parsePictureSize(const std::string& text);

// Whether text ends with `ending` (lower-case ASCII), ignoring the case of ASCII letters:
// file name extensions.
bool endsWithIgnoringCase(std::string_view text, std::string_view ending);

std::string usageLine();
std::string helpText();
std::string versionText();

} // namespace quillmar
