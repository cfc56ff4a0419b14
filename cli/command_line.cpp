#include "cli/command_line.h"

#include "cli/join_text.h"
#include "quillmar_version.h"
#include "simulation/body_angle.h"

#include <string_view>
#include <utility>

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
    if (name == "--points-picture") {
        return &line.pointsPicture;
    }
    if (name == "--cutting-picture") {
        return &line.cuttingPicture;
    }
    if (name == "--report") {
        return &line.reportFile;
    }
    if (name == "--section-picture") {
        return &line.sectionPicture;
    }
    return nullptr;
}

constexpr std::string_view kSizeOption = "--size";
constexpr std::string_view kBodyAngleOption = "--body-angle";

bool takesValue(CommandLine& line, std::string_view name) {
    return name == kSizeOption || name == kBodyAngleOption || fileOption(line, name) != nullptr;
}

// Empty when the value is taken, else what is wrong with it. An option given twice is
// refused: which of two output files was meant cannot be guessed.
std::string setOption(CommandLine& line, const std::string& name, const std::string& value,
                      bool& sizeGiven, bool& bodyAngleGiven) {
    const bool givenBefore = name == kSizeOption        ? std::exchange(sizeGiven, true)
                             : name == kBodyAngleOption ? std::exchange(bodyAngleGiven, true)
                                                        : fileOption(line, name)->has_value();
    if (givenBefore) {
        return joinText({"option '", name, "' given twice"});
    }
    if (name == kSizeOption) {
        const auto size = parsePictureSize(value);
        if (!size) {
            return joinText({"invalid size '", value,
                             "' for '--size': give WIDTHxHEIGHT in pixels, ", "each side 1 to ",
                             std::to_string(kLargestPictureSide)});
        }
        line.pictureSize = *size;
        return {};
    }
    if (name == kBodyAngleOption) {
        const auto angle = bodyHalfAngleFromText(value);
        if (!angle) {
            return joinText({"invalid angle '", value,
                             "' for '--body-angle': give degrees from 0 to below 90"});
        }
        line.bodyHalfAngle = *angle;
        return {};
    }
    if (value.empty()) {
        return joinText({"option '", name, "' needs a file name"});
    }
    *fileOption(line, name) = value;
    return {};
}

// A file's format follows its extension, so a name without one of the two is refused
// before anything runs.
std::string extensionProblem(const char* option, const std::optional<std::string>& path,
                             std::string_view first, std::string_view second) {
    if (!path || endsWithIgnoringCase(*path, first) || endsWithIgnoringCase(*path, second)) {
        return {};
    }
    return joinText({"option '", option, "' needs a file name ending in ", first, " or ", second,
                     " ('", *path, "')"});
}

} // namespace

bool endsWithIgnoringCase(std::string_view text, std::string_view ending) {
    if (text.size() < ending.size()) {
        return false;
    }
    text.remove_prefix(text.size() - ending.size());
    for (std::size_t i = 0; i < ending.size(); ++i) {
        const char c = text[i];
        if ((c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c) != ending[i]) {
            return false;
        }
    }
    return true;
}

CommandLine parseCommandLine(const std::vector<std::string>& arguments) {
    CommandLine line;
    std::vector<std::string> jobFiles;
    bool optionsEnded = false;
    bool sizeGiven = false;
    bool bodyAngleGiven = false;
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
        } else if (word == "--fields") {
            line.listFields = true;
        } else if (word == "--strict") {
            line.strict = true;
        } else {
            const auto equals = word.find('=');
            const std::string name = word.substr(0, equals);
            if (!takesValue(line, name)) {
                return badUsage(joinText({"unknown option '", name, "'"}));
            }
            std::string value;
            if (equals != std::string::npos) {
                value = word.substr(equals + 1);
            } else if (i + 1 < arguments.size()) {
                value = arguments[++i];
            } else {
                return badUsage(joinText({"option '", name, "' needs ",
                                          name == kSizeOption        ? "a size"
                                          : name == kBodyAngleOption ? "an angle"
                                                                     : "a file name"}));
            }
            if (std::string problem = setOption(line, name, value, sizeGiven, bodyAngleGiven);
                !problem.empty()) {
                return badUsage(std::move(problem));
            }
        }
    }
    for (const auto& problem :
         {extensionProblem("--points-picture", line.pointsPicture, ".png", ".svg"),
          extensionProblem("--cutting-picture", line.cuttingPicture, ".png", ".svg"),
          extensionProblem("--report", line.reportFile, ".csv", ".json"),
          extensionProblem("--section-picture", line.sectionPicture, ".png", ".svg")}) {
        if (!problem.empty()) {
            return badUsage(problem);
        }
    }
    if (line.listFields && line.writesFiles()) {
        return badUsage("'--fields' writes no programs or pictures: leave out the file options");
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

std::optional<PictureSize> parsePictureSize(const std::string& text) {
    const auto side = [](std::string_view digits) -> std::optional<int> {
        // Five digits hold every allowed side; more cannot be one, whatever they say.
        if (digits.empty() || digits.size() > 5) {
            return std::nullopt;
        }
        int value = 0;
        for (const char c : digits) {
            if (c < '0' || c > '9') {
                return std::nullopt;
            }
            value = value * 10 + (c - '0');
        }
        if (value < 1 || value > kLargestPictureSide) {
            return std::nullopt;
        }
        return value;
    };
    const std::string_view whole(text);
    const auto cross = whole.find_first_of("xX");
    if (cross == std::string_view::npos) {
        return std::nullopt;
    }
    const auto width = side(whole.substr(0, cross));
    const auto height = side(whole.substr(cross + 1));
    if (!width || !height) {
        return std::nullopt;
    }
    return PictureSize{*width, *height};
}

std::string usageLine() {
    return "Usage: quillmar-gen [OPTION]... JOBFILE\n";
}

std::string helpText() {
    return usageLine() +
           "Write lathe threading programs from the job described in JOBFILE.\n"
           "Each run of the job file is one press of \"プログラム出力\" in the data input\n"
           "dialog; runs append to the two programs and continue their sequence numbers.\n"
           "\n"
           "  --macro FILE            write the OSP macro point data to FILE\n"
           "  --standard FILE         write the standard program (OSP G34, FANUC G32,\n"
           "                          LinuxCNC, grblHAL, Mitsubishi, Heidenhain or\n"
           "                          Sinumerik G33, Haas G32)\n"
           "                          to FILE\n"
           "  --points-picture FILE   draw the point graphic into FILE (.png or .svg)\n"
           "  --cutting-picture FILE  draw the cutting graphic into FILE (.png or .svg)\n"
           "  --report FILE           write what every pass cuts into FILE: .csv, one row a\n"
           "                          pass; .json, the passes and a summary of the figures\n"
           "  --section-picture FILE  draw the simulated section of one pitch into FILE\n"
           "                          (.png or .svg)\n"
           "  --body-angle DEGREES    the simulated tool body's sides lean out by this much\n"
           "                          each side of the nose (default 0: as wide as the nose)\n"
           "  --size WIDTHxHEIGHT     the pictures' size in pixels (default 800x400)\n"
           "      --fields            write the runs as they will be used (every key = value,\n"
           "                            the machine's keys, profile and layer included,\n"
           "                            with # lines saying what those mean; runs separated\n"
           "                            by [run]) instead of the programs; a run that stops\n"
           "                            on its data is the last listed\n"
           "      --strict            refuse a job that fails a machine check (see below):\n"
           "                            nothing is written, exit status 3\n"
           "      --help              display this help and exit\n"
           "      --version           output version information and exit\n"
           "\n"
           "Without any of the six file options the standard program goes to standard\n"
           "output, and --macro - or --standard - writes that program there. With\n"
           "JOBFILE -, the job is read from standard input. The pictures show\n"
           "the two graphics as the window shows them after the job's runs. The report and\n"
           "the section simulate the standard program in one pitch of the groove: chip area\n"
           "(mm^2) and thickness per pass, air passes, the largest cusp and gouge against\n"
           "the groove the job describes. Files are\n"
           "written whole and together: an existing file is replaced only when every byte\n"
           "of every new one is on disk.\n"
           "\n"
           "Job file: UTF-8 text of \"key = value\" lines; \"[run]\" starts the next run;\n"
           "blank lines and lines starting with # are skipped. See the examples folder.\n"
           "Keys: side, control (osp, fanuc, linuxcnc, haas, mitsubishi, heidenhain,\n"
           "sinumerik or grblhal), sequenceNumbers, modin, startShift (z, or angle: the\n"
           "starts of a multi-start thread by the control's start-angle word, on mitsubishi,\n"
           "heidenhain and sinumerik); the fields "
           "noseRadius pitch width\n"
           "d1 d2 d3 a1 a2 r1 r2 r3 r4 stockDiameter finishAllowance zStart zEnd taperAngle\n"
           "xRetract; the Z steps stepR1 stepA1 stepR2 stepD1 stepR3 stepA2 stepR4 stepD2;\n"
           "starts, the starts of a multi-start thread (1 to 99; every pass feeds by the\n"
           "lead, starts x pitch).\n"
           "The key form names a thread of a standard (form = Tr40x7, M20x2.5-6g,\n"
           "1-5 ACME, G1/2, 1/2-14 NPT ...): with the run's side and noseRadius it fills\n"
           "pitch, width, d1 to d3, a1, a2, r1 to r4, stockDiameter, taperAngle and starts;\n"
           "with cusp = HEIGHT (mm) also the eight steps, each the largest whose scallop\n"
           "stays within HEIGHT. Any of those keys given in the same run wins over the form.\n"
           "The key maxChipArea (mm^2) turns its run into roughing runs and a finishing run\n"
           "whose passes each remove at most that much; the run's finishAllowance, when not\n"
           "0, stays the last roughing run's. When no plan can keep to it, nothing is written.\n"
           "The machine's keys (empty or left out: unknown, nothing checked) stay in force\n"
           "for the runs after: spindleSpeed (min^-1), maxFeedZ (the Z axis' largest feed,\n"
           "mm/min), timeConstant (s, default 0.033) or acceleration (mm/s^2), the\n"
           "leadErrorAllowed at the thread's start (%, default 1), rapidRate (mm/min,\n"
           "default maxFeedZ) and shoulderZ. Every pass is checked: its start at least the\n"
           "run-in from the work's face (Z 0), its end at least the run-out before\n"
           "shoulderZ, lead x spindleSpeed within 0.9 x maxFeedZ, the retract clear of\n"
           "every start's crest. The failed checks go to standard error and, with the\n"
           "figures and the cycle time, into the report's summary (\"machine\"); the\n"
           "programs do not change, but grblHAL refuses lead x spindleSpeed past\n"
           "0.9 x maxFeedZ as the control does. zStartFromRunIn = on sets its run's\n"
           "zStart to the earliest that keeps the run-in.\n"
           "The key profile replaces the fields' groove with one of lines and arcs: a .groove\n"
           "text file (\"line Z X\", \"arc Z X R\", \"arc Z X CZ CX\", X the depth from the\n"
           "crest at Z 0 X 0), a .dxf drawing (LINE, ARC, LWPOLYLINE, POLYLINE, and SPLINE as\n"
           "arcs within 0.0005 mm; layer = NAME picks a layer), or the segments themselves\n"
           "separated by \";\". It is checked first (a refusal names the segment); passes\n"
           "step by stepR1 or, with cusp, by the largest step whose scallop stays within it.\n"
           "\n"
           "Exit status:\n"
           " 0  if OK,\n"
           " 1  if a run stopped on its data (\"データエラー \" and the run's number) or no\n"
           "    roughing plan keeps to its maxChipArea (with the figure it would need),\n"
           " 2  if the job file, an option or an output file was at fault,\n"
           " 3  if --strict is given and a machine check failed.\n"
           "\n"
           "Examples:\n"
           "  quillmar-gen --macro thread.MIN --standard thread.NC worked-example.job\n"
           "  quillmar-gen --points-picture points.png --cutting-picture cutting.svg \\\n"
           "      --size 1200x600 worked-example.job\n"
           "  quillmar-gen --fields outer-trapezoidal-form.job\n"
           "  quillmar-gen --standard ball.NC gothic-arch-ball-screw.job\n";
}

std::string versionText() {
    return "quillmar-gen (Quillmar) " QUILLMAR_VERSION "\n"
           "Writes OSP and FANUC threading programs from job files.\n";
}

} // namespace quillmar
