#pragma once

#include <QFontMetricsF>
#include <QRectF>
#include <QString>
#include <QStringView>
#include <algorithm>
#include <vector>

class QPainter;
class QPalette;

namespace quillmar {

class ProgramTextBuffer;

// The widths of the characters in the pane's font, looked up rather than laid out, so
// that a pane places its caret and paints the lines in view without laying out any
// line whole (a line may be a million characters long). Control characters, which no
// program holds, stand as blanks.
class CharacterAdvances {
public:
    explicit CharacterAdvances(const QFont& font);

    qreal lineHeight() const { return lineHeight_; }
    qreal ascent() const { return metrics_.ascent(); }
    qreal blankWidth() const { return advance(u" ", 0); }
    qreal width(QStringView text) const;
    // The place in the line (never inside a surrogate pair) whose edge is nearest x.
    qsizetype columnAt(QStringView line, qreal x) const;
    // The width of the character (or surrogate pair) starting at `at`.
    qreal advance(QStringView text, qsizetype at) const;
    // Printable ASCII characters all have this width (negative if they do not), and
    // are summed by counting them: a million-digit line is measured in a moment.
    qreal plainAdvance() const { return std::max<qreal>(plainAdvance_, 0); }
    // How many plain characters start the line and end before x.
    qsizetype plainRunBefore(QStringView line, qreal x) const;

private:
    bool isPlain(QChar c) const;

    QFontMetricsF metrics_;
    qreal lineHeight_;
    qreal plainAdvance_ = -1;
    mutable std::vector<float> basicPlane_; // negative until measured
};

// What a pane shows: its lines from `firstLine` on, shifted left by `scrollX`.
struct PaneView {
    const ProgramTextBuffer& text;
    const CharacterAdvances& advances;
    qsizetype firstLine = 0;
    qreal scrollX = 0;
    qreal margin = 0;
    qsizetype selectionFrom = 0;
    qsizetype selectionTo = 0;
    qsizetype caret = 0;
    bool showCaret = false;
    bool overwrite = false;
    // Text being composed by an input method, shown at the caret but not yet typed.
    QString preedit;
    // How far the caret stands from its line's start, when known (the blink of a caret at
    // the end of a long line does not measure the line again).
    qreal caretX = -1;
};

// Paints the lines in the rectangle (the viewport's) with the palette's colours.
void paintPaneLines(QPainter& painter, const PaneView& view, const QRectF& area,
                    const QPalette& palette);
// The caret's rectangle in the viewport.
QRectF caretRectangle(const PaneView& view);

} // namespace quillmar
