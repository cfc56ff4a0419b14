#pragma once

#include "graphics/incremental_graphic.h"
#include "ui/shared_text.h"

#include <QString>
#include <QStringView>
#include <limits>
#include <vector>

namespace quillmar {

// The program text of a pane, held once, exactly as it reads back: every line end is
// CR LF. Beside it the start of every line, kept up to date edit by edit, so that a
// keystroke in a program of millions of lines touches only the index after it.
//
// Line-end rule of the panes: CR LF, a lone CR, a lone LF and a line or paragraph
// separator that enter a pane each become one CR LF. Nothing is lost and nothing
// doubled; a text whose line ends are all CR LF reads back byte for byte.
class ProgramTextBuffer {
public:
    ProgramTextBuffer() = default;

    // The text with every line end as CR LF; a text that has only CR LF line ends
    // comes back shared, not copied.
    static QString withCrLfLineEnds(QString text);

    // The text with CR LF line ends, no line end after the last line.
    QStringView text() const { return text_; }
    // The same kept as a copy that shares the characters: taking it costs nothing; the
    // buffer copies them only if the text changes while the copy is held.
    SharedText sharedText() const { return {text_, text_.size()}; }
    qsizetype size() const { return text_.size(); }
    QString textBetween(qsizetype from, qsizetype to) const {
        return text_.sliced(from, to - from);
    }

    qsizetype lineCount() const { return qsizetype(lineStarts_.size()); }
    qsizetype lineStart(qsizetype line) const { return lineStarts_[std::size_t(line)]; }
    // Where the line's characters end, before its CR LF.
    qsizetype lineEnd(qsizetype line) const;
    QStringView lineText(qsizetype line) const;
    // The line holding the position (a position at a line's end is on that line).
    qsizetype lineOf(qsizetype position) const;

    // Replaces [from, to) by text whose line ends are CR LF already. An end that falls
    // between a CR and its LF takes the whole line end; an insertion there goes after it.
    void replace(qsizetype from, qsizetype to, QStringView text);
    // Replaces the whole text by one whose line ends are CR LF already.
    void setText(QString text);
    // Gives the whole text away, leaving the buffer empty (for an undo record).
    QString takeText();

    // What changed in text() since the last call: the part between the two ends that
    // every change since then left alone. All of it after a whole text was set.
    TextEdit takeChange();

private:
    void indexLines();

    QString text_;
    std::vector<qsizetype> lineStarts_{0};
    // The text's length at the last takeChange, and the lengths at its two ends that
    // no change has touched since (counted in the text as it is now).
    qsizetype takenLength_ = 0;
    qsizetype unchangedStart_ = std::numeric_limits<qsizetype>::max();
    qsizetype unchangedEnd_ = std::numeric_limits<qsizetype>::max();
    bool changedAll_ = true;
};

} // namespace quillmar
