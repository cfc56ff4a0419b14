#include "tests/graphics/display_list.h"
#include "tests/support/window_fixture.h"
#include "ui/main/editor/output_pane.h"
#include "ui/paint/picture_box.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QTest>

namespace quillmar::testing {
namespace {

// A drawing adds at most one command per line read to what the grid, the labels and
// the pitch marks take; the marks stop at 100,000 (two circles each) with a note.
constexpr qsizetype kFixedCommands = 2 * 100000 + 20000;

QString repeated(const QString& piece, qsizetype bytes) {
    QString text;
    text.reserve(bytes + piece.size());
    while (text.size() < bytes) {
        text += piece;
    }
    return text;
}

QString binaryGarbage(qsizetype bytes) {
    QString text(bytes, Qt::Uninitialized);
    quint32 state = 12345;
    for (QChar& c : text) {
        state = state * 1103515245u + 12345u;
        c = QChar(char16_t(state >> 16)); // any code unit: NUL, lone surrogates, CR, LF
    }
    return text;
}

struct PastedText {
    const char* name;
    QString (*make)();
};

void PrintTo(const PastedText& pasted, std::ostream* out) {
    *out << pasted.name;
}

const PastedText kPastes[] = {
    {"tenMegabytesOfProgram",
     [] {
         return repeated(QStringLiteral("N001 G00 X30.07 Z10.75\r\nG32 Z-30 F6\r\n"), 10 << 20);
     }},
    {"binaryGarbage", [] { return binaryGarbage(1 << 20); }},
    {"loneCarriageReturns",
     [] { return repeated(QStringLiteral("G00 X30 Z5\rG01 Z-30\r"), 1 << 20); }},
    {"loneLineFeeds", [] { return repeated(QStringLiteral("G00 X30 Z5\nG01 Z-30\n"), 1 << 20); }},
    {"oneMegabyteLine", [] { return repeated(QStringLiteral("X1+2 Z-3 "), 1 << 20); }},
};

class PaneLoad : public StressWindowTest, public ::testing::WithParamInterface<PastedText> {
protected:
    void SetUp() override {
        window = start();
        ASSERT_NE(window, nullptr);
        // The job of a program output, so that the cutting graphic draws.
        window->job() = exampleJob();
        pane = window->findChild<OutputPane*>(QStringLiteral("txtDataB"));
        picture = window->findChild<PictureBox*>(QStringLiteral("Picture2"));
        ASSERT_NE(pane, nullptr);
        ASSERT_NE(picture, nullptr);
    }
    void TearDown() override {
        if (window) {
            closeAndDestroy(window);
        }
    }

    qsizetype linesRead() const { return pane->programText().count(u"\r\n"); }
    qsizetype drawnCommands() const { return qsizetype(picture->commandCount()); }

    std::unique_ptr<MainWindow> window;
    OutputPane* pane = nullptr;
    PictureBox* picture = nullptr;
};

// Pasted as a user pastes, typed into, undone: the pane keeps every character and the
// graphic, drawn again at each change, makes no more than its lines allow.
TEST_P(PaneLoad, PastingTypingAndUndoingKeepTheRedrawBounded) {
    const QString pasted = GetParam().make();
    pane->setFocus(Qt::MouseFocusReason);
    QGuiApplication::clipboard()->setText(pasted);
    window->pasteCommand();

    EXPECT_GE(pane->programText().size(), pasted.size() - pasted.count(QChar(0)));
    EXPECT_LE(drawnCommands(), linesRead() + kFixedCommands);
    picture->repaint();

    QTest::keyClick(pane, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(pane, QStringLiteral("X"));
    QTest::keyClick(pane, Qt::Key_Return);
    EXPECT_TRUE(pane->programText().endsWith(u"X\r\n"));
    EXPECT_LE(drawnCommands(), linesRead() + kFixedCommands);
    picture->repaint();

    window->undoCommand();
    window->undoCommand();
    EXPECT_LE(drawnCommands(), linesRead() + kFixedCommands);
    picture->repaint();
}

INSTANTIATE_TEST_SUITE_P(Pastes, PaneLoad, ::testing::ValuesIn(kPastes),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace quillmar::testing
