#include "ui/main/editor/output_pane.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QTest>
#include <QTextBoundaryFinder>
#include <gtest/gtest.h>
#include <random>
#include <utility>
#include <vector>

// A pane driven by random keys, clicks, drags, pastes, input method commits and texts
// set by the program, against a plain string with the same edits made to it.

namespace quillmar {
namespace {

bool isPairStart(QStringView text, qsizetype at) {
    return at + 1 < text.size() && text[at].isHighSurrogate() && text[at + 1].isLowSurrogate();
}

// What Backspace takes: a CR LF, a surrogate pair or else one UTF-16 unit.
qsizetype codeUnitsAt(QStringView text, qsizetype at) {
    return text.sliced(at).startsWith(QStringView(u"\r\n")) || isPairStart(text, at) ? 2 : 1;
}

qsizetype codeUnitsBefore(QStringView text, qsizetype at) {
    return at >= 2 && codeUnitsAt(text, at - 2) == 2 ? 2 : 1;
}

// Between a CR and its LF, or between the halves of a surrogate pair.
bool splitsAPair(QStringView text, qsizetype at) {
    return at > 0 && codeUnitsAt(text, at - 1) == 2;
}

// What an arrow or Delete steps over: one grapheme cluster, a CR LF being one.
qsizetype unitsAt(QStringView text, qsizetype at) {
    QTextBoundaryFinder clusters(QTextBoundaryFinder::Grapheme, text);
    clusters.setPosition(at);
    return clusters.toNextBoundary() - at;
}

qsizetype unitsBefore(QStringView text, qsizetype at) {
    QTextBoundaryFinder clusters(QTextBoundaryFinder::Grapheme, text);
    clusters.setPosition(at);
    return at - clusters.toPreviousBoundary();
}

// The place at or after a position that splits no cluster (nor a CR LF).
qsizetype caretPlace(QStringView text, qsizetype at) {
    if (at == 0 || at == text.size()) {
        return at;
    }
    QTextBoundaryFinder clusters(QTextBoundaryFinder::Grapheme, text);
    clusters.setPosition(at);
    return clusters.isAtBoundary() ? at : clusters.toNextBoundary();
}

QString withCrLf(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    for (const QChar end :
         {QChar(u'\r'), QChar(QChar::LineSeparator), QChar(QChar::ParagraphSeparator)}) {
        text.replace(end, u'\n');
    }
    return text.replace(u'\n', QStringLiteral("\r\n"));
}

// The pane's text, caret and history as a user would predict them.
struct Model {
    enum class Kind { Typing, Backspace, Delete, Other };

    QString text;
    qsizetype caret = 0;
    qsizetype anchor = 0;
    bool overwrite = false;
    std::vector<QString> undos;
    std::vector<QString> redos;
    Kind lastKind = Kind::Other;
    bool merging = false;

    qsizetype from() const { return std::min(caret, anchor); }
    qsizetype to() const { return std::max(caret, anchor); }
    QString selected() const { return text.sliced(from(), to() - from()); }
    qsizetype lineStart(qsizetype at) const {
        return at == 0 ? 0 : text.lastIndexOf(u'\n', at - 1) + 1;
    }
    qsizetype lineOf(qsizetype at) const { return text.first(at).count(u'\n'); }
    qsizetype lineEnd(qsizetype at) const {
        const qsizetype end = text.indexOf(u'\r', at);
        return end < 0 ? text.size() : end;
    }

    // Typed characters, Backspaces or Deletes in a row are taken back together.
    void edit(qsizetype first, qsizetype last, const QString& typed, Kind kind) {
        const QString put = withCrLf(typed);
        if (first == last && put.isEmpty()) {
            return;
        }
        if (!(merging && kind == lastKind && kind != Kind::Other)) {
            undos.push_back(text);
        }
        redos.clear();
        text.replace(first, last - first, put);
        caret = anchor = first + put.size();
        lastKind = kind;
        merging = kind != Kind::Other;
    }
    void type(const QString& typed) {
        qsizetype last = to();
        if (caret == anchor && overwrite) { // one character over one, up to the line end
            const qsizetype end = lineEnd(caret);
            for (qsizetype at = 0; at < typed.size() && last < end; at += codeUnitsAt(typed, at)) {
                last += unitsAt(text, last);
            }
        }
        edit(from(), last, typed, Kind::Typing);
    }
    void deleteBackward() {
        if (caret != anchor) {
            edit(from(), to(), {}, Kind::Other);
        } else if (caret > 0) {
            edit(caret - codeUnitsBefore(text, caret), caret, {}, Kind::Backspace);
        }
    }
    void deleteForward() {
        if (caret != anchor) {
            edit(from(), to(), {}, Kind::Other);
        } else if (caret < text.size()) {
            edit(caret, caret + unitsAt(text, caret), {}, Kind::Delete);
        }
    }
    // A caret placed by a key or a click splits no cluster; one left by an edit may.
    void place(qsizetype newAnchor, qsizetype newCaret) {
        putCaret(caretPlace(text, newAnchor), caretPlace(text, newCaret));
    }
    void putCaret(qsizetype newAnchor, qsizetype newCaret) {
        anchor = newAnchor;
        caret = newCaret;
        merging = false;
    }
    void newHistory(const QString& set) {
        text = withCrLf(set);
        caret = anchor = 0;
        undos.clear();
        redos.clear();
        merging = false;
    }
    // False when there was nothing to take back (or to make again).
    bool undoOrRedo(std::vector<QString>& from, std::vector<QString>& to) {
        merging = false;
        if (from.empty()) {
            return false;
        }
        to.push_back(std::exchange(text, from.back()));
        from.pop_back();
        return true;
    }
};

struct Row {
    const char* name;
    unsigned seed;
    int steps;
    QString initial;
    QString clipboard; // pasted now and then, besides what the pane copies
};

const QString kTyped[] = {
    QStringLiteral("G"),      QStringLiteral("0"),      QStringLiteral(" "),
    QStringLiteral("ﾈ"),      QStringLiteral("ﾞ"),      QStringLiteral("é"),
    QStringLiteral("e"),      QStringLiteral("\u0301"), QString::fromUtf16(u"\U00020BB7"),
    QStringLiteral("\uE000"), QStringLiteral("ねじ"),
};

const QString kSetByProgram[] = {
    QStringLiteral("N001 G00 X28\r\nM30\r\n"),
    QStringLiteral("G00\rX1\nZ2\r\nM30\u2028(ﾈｼﾞｷﾘ)"),
    QString(),
    QString::fromUtf16(u"(\U00020BB7e\u0301)\r\n\r\n"),
};

class OutputPaneModel : public ::testing::Test {
protected:
    void SetUp() override {
        pane.resize(300, 200);
        pane.show();
        pane.activateWindow();
        pane.setFocus();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&pane));
        // As the main window does with the Insert key.
        QObject::connect(&pane, &OutputPane::overwriteToggleRequested, &pane,
                         [this] { pane.setOverwriteMode(!pane.overwriteMode()); });
    }

    int pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random); }
    bool shift() { return pick(3) == 0; }
    QPoint anyPoint() {
        const QSize size = pane.viewport()->size();
        return {pick(size.width() + 40) - 20, pick(size.height() + 40) - 20};
    }
    void pressStandard(QKeySequence::StandardKey key) {
        const QList<QKeySequence> bindings = QKeySequence::keyBindings(key);
        ASSERT_FALSE(bindings.isEmpty()) << "no key for " << int(key);
        const QKeyCombination combination = bindings.first()[0];
        QTest::keyClick(&pane, combination.key(), combination.keyboardModifiers());
    }
    void typeByKey(const QString& typed) {
        QTest::sendKeyEvent(QTest::Click, &pane, Qt::Key_unknown, typed, Qt::NoModifier);
    }
    void commitByInputMethod(const QString& typed) {
        QInputMethodEvent composing(typed, {});
        QApplication::sendEvent(&pane, &composing);
        QInputMethodEvent committed;
        committed.setCommitString(typed);
        QApplication::sendEvent(&pane, &committed);
    }
    // Where the pane put a caret the model cannot foresee (lines, pages, the mouse).
    void followCaret(bool extending) {
        model.place(extending ? model.anchor : pane.caretPosition(), pane.caretPosition());
    }
    void paste() {
        const QString pasted = QApplication::clipboard()->text();
        pressStandard(QKeySequence::Paste);
        if (!pasted.isEmpty()) {
            model.edit(model.from(), model.to(), pasted, Model::Kind::Other);
        }
    }
    // Program output: a new text, or a block appended to the one there.
    void programOutput() {
        const QString& set = kSetByProgram[pick(std::size(kSetByProgram))];
        if (pick(2) == 0) {
            const QString whole = model.text + set;
            pane.setProgramText(whole);
            const bool appended = !model.text.isEmpty() && withCrLf(whole) != model.text;
            const Model before = model;
            model.newHistory(whole);
            if (appended) {
                model.putCaret(before.anchor, before.caret);
            }
        } else {
            pane.setProgramText(set);
            model.newHistory(set);
        }
    }
    void step(const Row& row);
    void expectSameAsModel();

    OutputPane pane;
    Model model;
    std::mt19937 random;
    int action = 0;
};

void OutputPaneModel::step(const Row& row) {
    QClipboard* clipboard = QApplication::clipboard();
    const bool extending = shift();
    const Qt::KeyboardModifiers withShift = extending ? Qt::ShiftModifier : Qt::NoModifier;
    // Mostly typing and moving; a new text from the program now and then.
    static const double weights[] = {3, 3, 3, 2, 2, 2, 3, 2, 2, 1,   1,  1,
                                     2, 2, 1, 1, 1, 2, 1, 1, 1, 0.3, 0.3};
    action = std::discrete_distribution<int>(std::begin(weights), std::end(weights))(random);
    switch (action) {
    case 0:
    case 1:
    case 2: {
        const QString& typed = kTyped[pick(std::size(kTyped))];
        typeByKey(typed);
        model.type(typed);
        break;
    }
    case 3:
        QTest::keyClick(&pane, Qt::Key_Return);
        model.edit(model.from(), model.to(), QStringLiteral("\n"), Model::Kind::Other);
        break;
    case 4:
        QTest::keyClick(&pane, Qt::Key_Backspace);
        model.deleteBackward();
        break;
    case 5:
        QTest::keyClick(&pane, Qt::Key_Delete);
        model.deleteForward();
        break;
    case 6:
        if (pick(2) == 0) {
            QTest::keyClick(&pane, Qt::Key_Left, withShift);
            const bool collapses = !extending && model.caret != model.anchor;
            const qsizetype to =
                collapses
                    ? model.from()
                    : model.caret - (model.caret > 0 ? unitsBefore(model.text, model.caret) : 0);
            model.place(extending ? model.anchor : to, to);
        } else {
            QTest::keyClick(&pane, Qt::Key_Right, withShift);
            const bool collapses = !extending && model.caret != model.anchor;
            const qsizetype to = collapses ? model.to()
                                           : model.caret + (model.caret < model.text.size()
                                                                ? unitsAt(model.text, model.caret)
                                                                : 0);
            model.place(extending ? model.anchor : to, to);
        }
        break;
    case 7: {
        const bool end = pick(2) == 0;
        const bool document = pick(3) == 0;
        QTest::keyClick(&pane, end ? Qt::Key_End : Qt::Key_Home,
                        withShift | (document ? Qt::ControlModifier : Qt::NoModifier));
        const qsizetype to =
            document ? (end ? model.text.size() : 0)
                     : (end ? model.lineEnd(model.caret) : model.lineStart(model.caret));
        model.place(extending ? model.anchor : to, to);
        break;
    }
    case 8: {
        const Qt::Key keys[] = {Qt::Key_Up, Qt::Key_Down, Qt::Key_PageUp, Qt::Key_PageDown};
        const Qt::Key key = keys[pick(4)];
        const qsizetype line = model.lineOf(model.caret);
        QTest::keyClick(&pane, key, withShift);
        followCaret(extending);
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            const qsizetype lastLine = model.lineOf(model.text.size());
            EXPECT_EQ(model.lineOf(model.caret),
                      std::clamp<qsizetype>(line + (key == Qt::Key_Up ? -1 : 1), 0, lastLine));
        }
        break;
    }
    case 9:
        QTest::mouseClick(pane.viewport(), Qt::LeftButton, withShift, anyPoint());
        followCaret(extending);
        break;
    case 10: {
        QTest::mousePress(pane.viewport(), Qt::LeftButton, {}, anyPoint());
        const qsizetype pressedAt = pane.caretPosition();
        const QPoint to = anyPoint();
        QTest::mouseMove(pane.viewport(), to);
        QTest::mouseRelease(pane.viewport(), Qt::LeftButton, {}, to);
        EXPECT_EQ(pane.anchorPosition(), pressedAt);
        followCaret(true);
        model.anchor = pressedAt;
        break;
    }
    case 11: { // a screen reader may ask for any offset
        const auto any = [this] { return qsizetype(pick(int(model.text.size()) + 1)); };
        const qsizetype anchor = any();
        const qsizetype caret = any();
        QAccessibleTextInterface* reader =
            QAccessible::queryAccessibleInterface(&pane)->textInterface();
        reader->setSelection(0, int(anchor), int(caret));
        (void)reader->characterRect(int(any()));
        model.place(anchor, caret);
        break;
    }
    case 12:
        if (pick(3) == 0) {
            clipboard->setText(pick(2) == 0 ? row.clipboard : kTyped[pick(std::size(kTyped))]);
        }
        if (model.caret != model.anchor) {
            const QString expected = model.selected();
            const bool cut = pick(2) == 0;
            pressStandard(cut ? QKeySequence::Cut : QKeySequence::Copy);
            if (cut) {
                model.edit(model.from(), model.to(), {}, Model::Kind::Other);
            }
            EXPECT_EQ(clipboard->text(), expected);
        }
        break;
    case 13:
        paste();
        break;
    case 14:
        pressStandard(QKeySequence::Undo);
        if (model.undoOrRedo(model.undos, model.redos)) {
            model.putCaret(pane.caretPosition(), pane.caretPosition());
        }
        break;
    case 15:
        pressStandard(QKeySequence::Redo);
        if (model.undoOrRedo(model.redos, model.undos)) {
            model.putCaret(pane.caretPosition(), pane.caretPosition());
        }
        break;
    case 16:
        QTest::keyClick(&pane, Qt::Key_Insert);
        model.overwrite = !model.overwrite;
        break;
    case 17: {
        const QString& typed = kTyped[pick(std::size(kTyped))];
        commitByInputMethod(typed);
        model.type(typed);
        break;
    }
    case 18: { // by words, a place the model leaves to the pane, on the caret's side
        const bool forward = pick(2) == 0;
        const qsizetype before = model.caret;
        pressStandard(
            forward ? (extending ? QKeySequence::SelectNextWord : QKeySequence::MoveToNextWord)
                    : (extending ? QKeySequence::SelectPreviousWord
                                 : QKeySequence::MoveToPreviousWord));
        followCaret(extending);
        EXPECT_TRUE(forward ? model.caret >= before : model.caret <= before);
        break;
    }
    case 19: { // a word deleted: what goes is next to the caret
        const bool forward = pick(2) == 0;
        const qsizetype before = model.caret;
        const bool selected = model.caret != model.anchor;
        pressStandard(forward ? QKeySequence::DeleteEndOfWord : QKeySequence::DeleteStartOfWord);
        if (selected) {
            model.edit(model.from(), model.to(), {}, Model::Kind::Other);
        } else if (forward && pane.programText().size() < model.text.size()) {
            const qsizetype removed = model.text.size() - pane.programText().size();
            model.edit(before, before + removed, {}, Model::Kind::Delete);
        } else if (!forward && pane.caretPosition() < before) {
            model.edit(pane.caretPosition(), before, {}, Model::Kind::Backspace);
        }
        break;
    }
    case 20: // the focus goes to another window and comes back
        pane.clearFocus();
        pane.setFocus();
        model.merging = false;
        break;
    case 21:
        programOutput();
        break;
    default: { // a file opened over the text: Undo brings back unsaved text only
        const QString& opened = kSetByProgram[pick(std::size(kSetByProgram))];
        if (pick(2) == 0) {
            pane.replaceAllAsNewHistory(opened);
            model.newHistory(opened);
        } else {
            pane.replaceAllAsEdit(opened);
            const QString old = model.text;
            if (!old.isEmpty() || !withCrLf(opened).isEmpty()) {
                model.undos.push_back(old);
            }
            model.redos.clear();
            model.text = withCrLf(opened);
            model.place(0, 0);
        }
        break;
    }
    }
}

void OutputPaneModel::expectSameAsModel() {
    const QString& text = model.text;
    ASSERT_TRUE(pane.programText() == text) << pane.programText().toString().toStdString();
    // Of a long program only the lines near the caret, the first and the last.
    const bool everyLine = text.size() < 100000;
    qsizetype line = 0;
    for (qsizetype start = 0;; start += 2, ++line) {
        const qsizetype end = model.lineEnd(start);
        if (everyLine || line == 0 || end == text.size() || std::abs(start - model.caret) < 400) {
            ASSERT_LT(line, pane.lineCount());
            ASSERT_EQ(pane.lineText(line).toStdString(),
                      text.sliced(start, end - start).toStdString())
                << "line " << line;
        }
        start = end;
        if (end == text.size()) {
            break;
        }
    }
    ASSERT_EQ(pane.lineCount(), line + 1);
    for (const qsizetype place : {pane.caretPosition(), pane.anchorPosition()}) {
        ASSERT_TRUE(place >= 0 && place <= text.size());
        ASSERT_FALSE(splitsAPair(text, place)) << "at " << place;
    }
    ASSERT_EQ(pane.caretPosition(), model.caret);
    ASSERT_EQ(pane.anchorPosition(), model.anchor);
    ASSERT_EQ(pane.isUndoAvailable(), !model.undos.empty());
    ASSERT_EQ(pane.isRedoAvailable(), !model.redos.empty());
    const qsizetype column = model.caret - model.lineStart(model.caret);
    ASSERT_EQ(pane.inputMethodQuery(Qt::ImCursorPosition).toInt(), column);
    ASSERT_EQ(pane.inputMethodQuery(Qt::ImSurroundingText).toString(),
              text.sliced(model.lineStart(model.caret),
                          model.lineEnd(model.caret) - model.lineStart(model.caret)));
}

TEST_F(OutputPaneModel, RandomEditingKeepsThePaneAsTheModelPredicts) {
    const QString megabyte = QStringLiteral("N0001 G32 X28.5 Z-80. F12.7\n").repeated(40000);
    const Row rows[] = {
        {"empty pane", 1, 600, {}, QStringLiteral("X1\r\nZ2\nM3\r")},
        {"lone CR pasted", 2, 400, QStringLiteral("G00\r\nM30"), QStringLiteral("\r")},
        {"lone LF pasted", 3, 400, QStringLiteral("G00\r\nM30"), QStringLiteral("\n")},
        {"mixed line ends", 4, 600, QStringLiteral("G00\rX1\nZ2\r\n\u2029M30\r"),
         QStringLiteral("a\rb\nc\r\n")},
        {"long line", 5, 300, QStringLiteral("G01 X") + QString(20000, u'1'), QString(3000, u'2')},
        {"surrogate pairs", 6, 600, QString::fromUtf16(u"\U00020BB7\U0001D465\r\n\U00020BB7"),
         QString::fromUtf16(u"\U0001D465")},
        {"combining and half-width", 7, 600, QStringLiteral("(ﾈｼﾞｷﾘ e\u0301\u0300)\r\n(ｶﾞ)"),
         QStringLiteral("ﾊﾟ\u0301")},
        {"megabyte paste", 8, 16, QStringLiteral("G00"), megabyte},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        random.seed(row.seed);
        pane.setOverwriteMode(false);
        pane.setProgramText(row.initial);
        model = Model{};
        model.newHistory(row.initial);
        QApplication::clipboard()->setText(row.clipboard);
        paste();
        for (int step = 0; step < row.steps; ++step) {
            this->step(row);
            SCOPED_TRACE(::testing::Message() << "step " << step << ", action " << action);
            expectSameAsModel();
            if (HasFatalFailure()) {
                return;
            }
            if (step % 16 == 0) {
                pane.viewport()->repaint();
            }
        }
    }
}

} // namespace
} // namespace quillmar
