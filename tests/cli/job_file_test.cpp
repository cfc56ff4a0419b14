#include "cli/job_file.h"
#include "cli/join_text.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace quillmar {
namespace {

// One run as a short line: "@LINE <dialog box>=text ... side=... control=... sn=... modin=...",
// only what the run sets, so that a table row can state a whole parse at once.
std::string summary(const JobRun& run) {
    std::string text = joinText({"@", std::to_string(run.firstLine)});
    for (const JobFieldInfo& info : kJobFields) {
        if (run.texts[info.field]) {
            text += joinText({" ", info.widgetName, "=", *run.texts[info.field]});
        }
    }
    if (run.side) {
        text += *run.side == Side::Outer ? " side=outer" : " side=inner";
    }
    if (run.control) {
        text += " control=" + std::string(*run.control);
    }
    if (run.sequenceNumbers) {
        text += *run.sequenceNumbers ? " sn=on" : " sn=off";
    }
    if (run.startShift) {
        text += *run.startShift == StartShift::Angle ? " shift=angle" : " shift=z";
    }
    if (run.modin) {
        text += *run.modin ? " modin=on" : " modin=off";
    }
    return text;
}

struct ParseCase {
    const char* name;
    std::string text;
    std::vector<std::string> runs;
};

class JobFileParse : public ::testing::TestWithParam<ParseCase> {};

TEST_P(JobFileParse, GivesTheRunsInOrder) {
    const ParseCase& c = GetParam();
    const JobFile job = parseJobFile(c.text);
    ASSERT_TRUE(job.ok()) << job.error->line << ": " << job.error->message;
    std::vector<std::string> runs;
    for (const JobRun& run : job.runs) {
        runs.push_back(summary(run));
    }
    EXPECT_EQ(runs, c.runs);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, JobFileParse,
    ::testing::Values(
        ParseCase{"BlankAndCommentLinesAreSkipped",
                  "\n# a comment\n   # indented comment\n\t\npitch = 6\n",
                  {"@5 Text2=6"}},
        ParseCase{
            "KeyLinesWithoutRunLineFormOneRun", "pitch = 6\nd1 = 34\n", {"@1 Text2=6 Text4=34"}},
        ParseCase{
            "RunLineBeforeAnyKeyOpensTheFirstRun", "# job\n[run]\npitch = 6\n", {"@2 Text2=6"}},
        ParseCase{"KeyLinesBeforeTheFirstRunLineAreTheFirstRun",
                  "pitch = 6\n[run]\npitch = 5\n",
                  {"@1 Text2=6", "@2 Text2=5"}},
        ParseCase{"LaterRunLineWithoutKeysIsARunOfItsOwn",
                  "[run]\npitch = 6\n[run]\n[run]\n# nothing\n",
                  {"@1 Text2=6", "@3", "@4"}},
        ParseCase{"TwoRunLinesAtTheStartAreTwoRuns", "[run]\n[run]\n", {"@1", "@2"}},
        ParseCase{"KeyGivenTwiceTakesItsLastValue",
                  "pitch = 6\nwidth = 1\npitch = 4\n",
                  {"@1 Text2=4 Text3=1"}},
        ParseCase{"TwiceInDifferentRunsIsNotOverwritten",
                  "pitch = 6\n[run]\npitch = 4\n",
                  {"@1 Text2=6", "@2 Text2=4"}},
        ParseCase{"ValueIsEverythingAfterTheFirstEqualsTrimmed",
                  "zEnd =  -30 = x \t\nwidth=1.5mm\n",
                  {"@1 Text3=1.5mm Text15=-30 = x"}},
        ParseCase{"EmptyValueIsAnEmptyText", "pitch =\nstepR1 =   \n", {"@1 Text2= FEED0="}},
        ParseCase{"CrLfLineEndsAndByteOrderMark",
                  "\xEF\xBB\xBFpitch = 6\r\n[run]\r\nd1 = 34\r\n",
                  {"@1 Text2=6", "@2 Text4=34"}},
        ParseCase{"LoneCrLineEnds", "pitch = 6\r[run]\r\rd1 = 34\r", {"@1 Text2=6", "@2 Text4=34"}},
        ParseCase{"MixedLineEnds",
                  "pitch = 6\r\n[run]\nd1 = 34\r[run]",
                  {"@1 Text2=6", "@2 Text4=34", "@4"}},
        ParseCase{"RunLineMayStandBetweenBlanks", "  [run]\t\npitch=6", {"@1 Text2=6"}},
        ParseCase{
            "JapaneseTextInCommentsAndValues", "# 内径ねじ\nwidth = 1 幅\n", {"@2 Text3=1 幅"}},
        ParseCase{"ChoiceKeys",
                  "side = outer\ncontrol = fanuc\nsequenceNumbers = off\nmodin = on\n"
                  "[run]\nside = inner\ncontrol = osp\nsequenceNumbers = on\nmodin = off\n",
                  {"@1 side=outer control=fanuc sn=off modin=on",
                   "@5 side=inner control=osp sn=on modin=off"}},
        ParseCase{"StartShift",
                  "startShift = angle\ncontrol = mitsubishi\n[run]\nstartShift = z\n",
                  {"@1 control=mitsubishi shift=angle", "@3 shift=z"}},
        ParseCase{"EveryFieldKeyFillsItsDialogBox",
                  "noseRadius=a\npitch=b\nwidth=c\nd1=d\nd2=e\nd3=f\na1=g\na2=h\nr1=i\n"
                  "r2=j\nr3=k\nr4=l\nstockDiameter=m\nfinishAllowance=n\nzStart=o\n"
                  "zEnd=p\ntaperAngle=q\nxRetract=r\nstepR1=s\nstepA1=t\nstepR2=u\n"
                  "stepD1=v\nstepR3=w\nstepA2=x\nstepR4=y\nstepD2=z\n",
                  {"@1 Text1=a Text2=b Text3=c Text4=d Text5=e Text18=f Text6=g Text7=h Text8=i "
                   "Text9=j Text10=k Text11=l Text12=m Text13=n Text14=o Text15=p Text16=q "
                   "Text17=r FEED0=s FEED1=t FEED2=u FEED3=v FEED4=w FEED5=x FEED6=y "
                   "FEED7=z"}},
        ParseCase{"LastLineWithoutLineEnd", "[run]\npitch = 6", {"@1 Text2=6"}}),
    [](const auto& info) { return std::string(info.param.name); });

struct ErrorCase {
    const char* name;
    std::string text;
    int line;
    std::string message;
};

class JobFileRefuses : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(JobFileRefuses, NamesTheLineAndTheFault) {
    const ErrorCase& c = GetParam();
    const JobFile job = parseJobFile(c.text);
    ASSERT_FALSE(job.ok());
    EXPECT_EQ(job.error->line, c.line);
    EXPECT_EQ(job.error->message, c.message);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, JobFileRefuses,
    ::testing::Values(ErrorCase{"UnknownKey", "pitch = 6\n\nfoo = 1\n", 3, "unknown key \"foo\""},
                      ErrorCase{"KeysAreCaseSensitive", "Pitch = 6\n", 1, "unknown key \"Pitch\""},
                      ErrorCase{"UnknownKeyInALaterRun", "pitch = 6\n[run]\nstepD3 = 1\n", 3,
                                "unknown key \"stepD3\""},
                      ErrorCase{"LineWithoutEquals", "# job\npitch 6\n", 2,
                                "line without \"=\": expected \"key = value\" or \"[run]\""},
                      ErrorCase{"SectionOtherThanRun", "[runs]\n", 1,
                                "line without \"=\": expected \"key = value\" or \"[run]\""},
                      ErrorCase{"NoKeyBeforeEquals", "  = 5\n", 1, "no key before \"=\""},
                      ErrorCase{"UnknownSide", "side = outside\n", 1,
                                "unknown value \"outside\" for side (use outer or inner)"},
                      ErrorCase{"UnknownControlIsCaseSensitive", "control = OSP\n", 1,
                                "unknown value \"OSP\" for control (use osp, fanuc, linuxcnc, "
                                "haas, mitsubishi, heidenhain, sinumerik or grblhal)"},
                      ErrorCase{"UnknownStartShift", "startShift = Z\n", 1,
                                "unknown value \"Z\" for startShift (use z or angle)"},
                      ErrorCase{"UnknownSequenceNumbers", "[run]\nsequenceNumbers = yes\n", 2,
                                "unknown value \"yes\" for sequenceNumbers (use on or off)"},
                      ErrorCase{"EmptyForm", "[run]\nform =\n", 2,
                                "form needs a thread designation, e.g. form = Tr40x7"},
                      ErrorCase{"EmptyChoiceValue", "modin =\n", 1,
                                "unknown value \"\" for modin (use on or off)"},
                      ErrorCase{"NotUtf8", "pitch = 6\n# \x82\xa0 Shift-JIS\n", 2,
                                "not UTF-8 text (save the job file as UTF-8)"},
                      ErrorCase{"OverlongUtf8", "width = \xC0\xB1\n", 1,
                                "not UTF-8 text (save the job file as UTF-8)"},
                      ErrorCase{"Utf8Surrogate", "width = \xED\xA0\x80\n", 1,
                                "not UTF-8 text (save the job file as UTF-8)"},
                      ErrorCase{"TruncatedUtf8AtTheEnd", "width = \xE5\xB9", 1,
                                "not UTF-8 text (save the job file as UTF-8)"},
                      ErrorCase{"EmptyFile", "", 0, "holds no run: no key line and no [run] line"},
                      // What a message quotes: control characters shown, 80 characters at most.
                      ErrorCase{"ControlCharacterInAKey", "pi\x1b[2Jtch = 6\n", 1,
                                "unknown key \"pi\\x1b[2Jtch\""},
                      ErrorCase{"NulInAValue", std::string("side = out\0er\n", 15), 1,
                                "unknown value \"out\\x00er\" for side (use outer or inner)"},
                      ErrorCase{"HugeKey", std::string(100000, 'k') + " = 1\n", 1,
                                "unknown key \"" + std::string(80, 'k') + "\"... (100000 bytes)"},
                      ErrorCase{"LongJapaneseKey",
                                [] {
                                    std::string key;
                                    for (int i = 0; i < 81; ++i)
                                        key += "幅";
                                    return key + " = 1";
                                }(),
                                1,
                                [] {
                                    std::string shown = "unknown key \"";
                                    for (int i = 0; i < 80; ++i)
                                        shown += "幅";
                                    return shown + "\"... (243 bytes)";
                                }()},
                      ErrorCase{"MachineFigureNotANumber", "spindleSpeed = fast\n", 1,
                                "spindleSpeed must be a number (or empty: unknown)"},
                      ErrorCase{"LeadErrorOfAHundredPercent", "leadErrorAllowed = 100\n", 1,
                                "leadErrorAllowed must be more than 0 and less than 100 (%)"},
                      ErrorCase{"OnlyComments", "# nothing\n\n", 0,
                                "holds no run: no key line and no [run] line"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(JobFileError, IsDescribedAsFileColonLine) {
    EXPECT_EQ(describeJobFileError("jobs/a.job", {7, "unknown key \"foo\""}),
              "jobs/a.job:7: unknown key \"foo\"");
    EXPECT_EQ(describeJobFileError("a.job", {0, "holds no run"}), "a.job: holds no run");
}

} // namespace
} // namespace quillmar
