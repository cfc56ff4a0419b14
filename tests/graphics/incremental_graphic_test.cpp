// A pane graphic drawn again after each of many random edits, walking only what the
// edit can have changed, must record exactly the display list that drawing the whole
// text afresh records, leave the shared reader exactly as that drawing does, and say
// the same about completing.
#include "graphics/graphics.h"
#include "graphics/incremental_graphic.h"
#include "tests/graphics/display_list.h"

#include <cstdio>
#include <cstring>
#include <gtest/gtest.h>
#include <ostream>
#include <random>
#include <string>

namespace quillmar {
namespace {

using namespace quillmar::testing;

enum EditKind {
    kTypeCharacter,   // one character typed anywhere, line breaks included
    kDeleteRange,     // from one character to a few thousand lines
    kPasteOverBlock,  // a copied run of lines pasted over a range around a piece start
    kCommentAcross,   // "(" opened on one line and ")" closed a few lines on
    kChangeModalG,    // a G00 becomes G01 or back, changing how later moves draw
    kTypeGWord,       // a G word typed into a line, in force until the next one
    kOpenComment,     // a "(" typed, the comment running on to the next ")"
    kAtPieceStart,    // right at the line break where a piece starts: joined, split
    kBreakANumber,    // a word that cannot be read: the walk ends there
    kOtherPaneReader, // the other pane's drawing left another modal G or comment
    kNoChange,        // drawn again with the text as it is
    kEditKinds
};

struct Row {
    const char* name;
    PaneGraphicKind kind;
    unsigned seed;
    int lines;
    int edits;
    std::vector<EditKind> mix;
    // At most this share of the lines that whole drawings read is walked again.
    double walkedShare;
    // Without a program output the graphic is scaled to the text's own extent.
    bool programOutput = true;
};

// Runs of passes as the generator writes them, between long runs that keep one G
// word in force or one comment open over thousands of lines, so that an edit can
// change the reader's state far beyond the piece it falls in.
std::u16string programText(int lines, std::mt19937& random) {
    std::string text = "(-----< THREAD >-----)\r\n";
    char line[96];
    std::uniform_int_distribution<int> pick(0, 99);
    const auto x = [&] { return 28 + 0.001 * pick(random); };
    const auto z = [&] { return 30.4 - 0.025 * pick(random); };
    for (int n = 1; n < lines;) {
        const int run = 200 + 20 * pick(random);
        switch (pick(random) % 3) {
        case 0:
            for (int k = 0; k < run; k += 4, n += 4) {
                const double passZ = z();
                std::snprintf(line, sizeof line, "N%03d G00 X%.3f Z%.3f\r\n", n % 1000, x(), passZ);
                text += line;
                text += pick(random) < 5 ? "(comment X99)\r\n" : "N000 G34 Z-80 F12.7\r\n";
                text += pick(random) < 3 ? "N000 G00 X28 (open\r\n" : "N000 G00 X28\r\n";
                std::snprintf(line, sizeof line, "N000  ) Z%.3f\r\n", passZ);
                text += line;
            }
            break;
        case 1:
            text += pick(random) < 50 ? "G01\r\n" : "G00\r\n";
            for (int k = 0; k < run; ++k, ++n) {
                std::snprintf(line, sizeof line, "X%.3f Z%.3f\r\n", x(), -10.0 * (k % 9));
                text += line;
            }
            break;
        default:
            text += "(a long note\r\n";
            for (int k = 0; k < run; ++k, ++n) {
                std::snprintf(line, sizeof line, "X%.3f Z%.3f\r\n", x(), z());
                text += line;
            }
            text += ")\r\n";
        }
    }
    return std::u16string(text.begin(), text.end());
}

// The text of the edit, and the edit as the pane reports it.
struct Edit {
    std::size_t position = 0;
    std::size_t removed = 0;
    std::u16string inserted;
};

std::size_t lineStartNear(const std::u16string& text, std::size_t at) {
    const std::size_t found = text.rfind(u"\r\n", at);
    return found == std::u16string::npos ? 0 : found + 2;
}

// At the CR LF before the line a piece starts with (`start` is its LF): every way of
// joining the two lines, splitting the pair, or typing just around it.
Edit editAtPieceStart(std::size_t start, std::mt19937& random) {
    switch (random() % 7) {
    case 0:
        return {start - 1, 2, {}}; // the lines joined
    case 1:
        return {start, 1, {}}; // a lone CR left
    case 2:
        return {start - 1, 1, {}}; // a lone LF left
    case 3:
        return {start, 0, u"Z"}; // between CR and LF
    case 4:
        return {start - 1, 0, u"X5"}; // at the end of the line before
    case 5:
        return {start + 1, 0, u"G1"}; // at the start of the piece's first line
    default:
        return {start - 1, 2, u"\r\n(\r\n"}; // a line more
    }
}

Edit randomEdit(EditKind kind, const std::u16string& text, const std::vector<std::size_t>& pieces,
                std::mt19937& random) {
    const auto anywhere = [&](std::size_t size) {
        return std::uniform_int_distribution<std::size_t>(0, size)(random);
    };
    const std::size_t at = anywhere(text.size());
    switch (kind) {
    case kTypeCharacter: {
        static const std::u16string keys = u"0123456789.-XZG( )\r\n";
        const std::size_t key = anywhere(keys.size() - 1);
        return {at, 0, keys.substr(key, keys[key] == u'\r' ? 2 : 1)};
    }
    case kDeleteRange: {
        const std::size_t length = std::min(text.size() - at, anywhere(random() % 2 ? 40 : 60000));
        return {at, length, {}};
    }
    case kPasteOverBlock: {
        // Around the start of a piece of a full walk (every 2048 lines, some 20
        // characters a line), a copied run of lines in place of a few lines.
        const std::size_t boundary = std::min(text.size(), (1 + anywhere(3)) * 2048 * 20);
        const std::size_t from = lineStartNear(text, boundary - std::min(boundary, anywhere(400)));
        const std::size_t removed = std::min(text.size() - from, anywhere(800));
        const std::size_t source = lineStartNear(text, anywhere(text.size()));
        return {from, removed, text.substr(source, anywhere(3000))};
    }
    case kCommentAcross: {
        const std::size_t to = std::min(text.size(), at + anywhere(600));
        return {at, to - at, u"(" + text.substr(at, to - at) + u")"};
    }
    case kChangeModalG: {
        const bool toFeed = random() % 2 == 0;
        const std::size_t found = text.find(toFeed ? u"G00" : u"G01", at);
        if (found == std::u16string::npos) {
            return {at, 0, u"G01"};
        }
        return {found, 3, toFeed ? u"G01" : u"G00"};
    }
    case kTypeGWord:
        return {at, 0, random() % 2 ? u"G1" : u"G0"};
    case kOpenComment:
        return {at, 0, u"("};
    case kAtPieceStart:
        if (pieces.size() < 2) {
            return {at, 0, {}};
        }
        return editAtPieceStart(pieces[1 + random() % (pieces.size() - 1)], random);
    case kBreakANumber:
        return {at, 0, u"X999999999999999999999999999999999999999999999"};
    default:
        return {at, 0, {}};
    }
}

std::string describe(const Edit& edit, int index, EditKind kind) {
    return "edit " + std::to_string(index) + " (kind " + std::to_string(kind) + ") at " +
           std::to_string(edit.position) + ", removed " + std::to_string(edit.removed) +
           ", inserted " + std::to_string(edit.inserted.size());
}

std::size_t firstDifference(const std::vector<DrawCommand>& a, const std::vector<DrawCommand>& b) {
    std::size_t i = 0;
    while (i < a.size() && i < b.size() && a[i] == b[i]) {
        ++i;
    }
    return i;
}

bool sameReader(const NcLineReader& a, const NcLineReader& b) {
    return std::memcmp(&a.currentX, &b.currentX, sizeof a.currentX) == 0 &&
           std::memcmp(&a.currentZ, &b.currentZ, sizeof a.currentZ) == 0 &&
           std::memcmp(&a.modalG, &b.modalG, sizeof a.modalG) == 0 && a.inComment == b.inComment &&
           a.commentSeen == b.commentSeen;
}

class IncrementalGraphicEquivalence : public ::testing::TestWithParam<Row> {};

TEST_P(IncrementalGraphicEquivalence, EveryEditDrawsWhatAWholeDrawingDraws) {
    const Row& row = GetParam();
    const auto wholeDrawing =
        row.kind == PaneGraphicKind::Cutting ? &drawCuttingGraphic : &drawPointGraphic;
    std::mt19937 random(row.seed);
    const ThreadJob job = row.programOutput ? exampleJob() : ThreadJob{};
    std::u16string text = programText(row.lines, random);

    IncrementalGraphic graphic(row.kind);
    NcLineReader incrementalReader;
    NcLineReader wholeReader;
    SurfaceState before;
    std::size_t linesWalked = 0;
    std::size_t linesRead = 0;
    for (int index = 0; index <= row.edits; ++index) {
        TextEdit textEdit = TextEdit::wholeText();
        std::string what = "the first drawing";
        if (index > 0) {
            const EditKind kind = row.mix[random() % row.mix.size()];
            const Edit edit = randomEdit(kind, text, graphic.pieceStarts(), random);
            what = describe(edit, index, kind);
            if (kind == kOtherPaneReader) {
                const float modalG = float(random() % 2);
                const bool inComment = random() % 4 == 0;
                incrementalReader.modalG = wholeReader.modalG = modalG;
                incrementalReader.inComment = wholeReader.inComment = inComment;
            }
            text.replace(edit.position, edit.removed, edit.inserted);
            textEdit = TextEdit{edit.position, edit.removed, edit.inserted.size(), false};
        }

        RecordingSurface whole(before);
        const bool completed = wholeDrawing(job, text, wholeReader, whole);
        const auto outcome = graphic.draw(job, text, textEdit, incrementalReader, before);
        const std::vector<DrawCommand> drawn = graphic.displayList().flattened();

        ASSERT_TRUE(outcome.drawn) << what;
        ASSERT_EQ(outcome.completed, completed) << what;
        ASSERT_EQ(drawn.size(), whole.commands().size()) << what;
        ASSERT_EQ(firstDifference(drawn, whole.commands()), drawn.size()) << what;
        ASSERT_TRUE(sameReader(incrementalReader, wholeReader)) << what;
        ASSERT_TRUE(graphic.stateAfter().sameAs(whole.state())) << what;
        before = whole.state();
        if (index > 0) {
            linesWalked += graphic.linesWalked();
            linesRead += std::size_t(std::count(text.begin(), text.end(), u'\n'));
        }
    }
    // The point of it all: the edits walked a small part of what whole drawings read.
    EXPECT_LE(double(linesWalked), row.walkedShare * double(linesRead));
}

void PrintTo(const Row& row, std::ostream* out) {
    *out << row.name;
}

const std::vector<EditKind> kTyping{kTypeCharacter, kTypeCharacter, kTypeCharacter,
                                    kTypeGWord,     kOpenComment,   kAtPieceStart};
const std::vector<EditKind> kStructure{kDeleteRange, kPasteOverBlock, kTypeCharacter, kOpenComment,
                                       kAtPieceStart};
const std::vector<EditKind> kReading{kCommentAcross, kChangeModalG,    kTypeGWord,
                                     kOpenComment,   kOtherPaneReader, kNoChange};
const std::vector<EditKind> kEverything{
    kTypeCharacter, kDeleteRange,  kPasteOverBlock, kCommentAcross,   kChangeModalG, kTypeGWord,
    kOpenComment,   kAtPieceStart, kBreakANumber,   kOtherPaneReader, kNoChange};

INSTANTIATE_TEST_SUITE_P(
    RandomEdits, IncrementalGraphicEquivalence,
    ::testing::Values(
        // Typing into a long program walks again about one piece of 2048 lines a key.
        Row{"CuttingTyping", PaneGraphicKind::Cutting, 1, 10000, 80, kTyping, 0.3},
        Row{"PointTyping", PaneGraphicKind::Point, 5, 10000, 80, kTyping, 0.3},
        // Edits that change a great deal may walk all of it, never more.
        Row{"CuttingStructure", PaneGraphicKind::Cutting, 2, 7000, 50, kStructure, 1},
        Row{"CuttingReading", PaneGraphicKind::Cutting, 3, 7000, 50, kReading, 1},
        Row{"CuttingEverything", PaneGraphicKind::Cutting, 4, 7000, 80, kEverything, 1},
        Row{"PointEverything", PaneGraphicKind::Point, 6, 7000, 80, kEverything, 1},
        // Scaled to the text, an edit that moves no edge of its extent walks as little.
        Row{"CuttingTypingUnscaled", PaneGraphicKind::Cutting, 7, 10000, 80, kTyping, 0.3, false},
        Row{"PointEverythingUnscaled", PaneGraphicKind::Point, 8, 7000, 80, kEverything, 1, false}),
    [](const ::testing::TestParamInfo<Row>& info) { return std::string(info.param.name); });

} // namespace
} // namespace quillmar
