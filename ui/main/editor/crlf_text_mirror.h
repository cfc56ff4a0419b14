#pragma once

#include "graphics/incremental_graphic.h"
#include "ui/shared_text.h"

#include <QString>
#include <QStringView>
#include <climits>
#include <limits>
#include <optional>
#include <vector>

class QTextDocument;

namespace quillmar {

// Program text uses CR LF between lines, a text document keeps paragraphs. The mirror
// holds the document's text with every paragraph break written as CR LF, kept up to
// date edit by edit: each keystroke touches only what changed, so a pane of 100,000
// lines does not copy its whole text again on every key.
//
// Line-end rule of the panes: CR LF, a lone CR and a lone LF that enter a pane each
// become one paragraph break, which reads back as one CR LF. Nothing is lost and
// nothing doubled; a text whose breaks are all CR LF reads back byte for byte. The
// breaks between the pieces of a long line (see long_lines.h) read back as nothing.
class CrLfTextMirror {
public:
    explicit CrLfTextMirror(QTextDocument& document);

    // Forwarded from the document's contentsChange signal.
    void noteChange(int position, int charsRemoved, int charsAdded);
    // The document is about to hold exactly this program text (CR LF line ends, no
    // piece breaks): the next sync takes it as the mirror instead of reading a whole
    // program back out of the document, provided the document's length and paragraphs
    // then agree with it. Nothing withdraws the expectation.
    void expectWholeText(std::optional<QString> programText);
    // Applies the noted changes; falls back to a full rebuild when the noted ranges do
    // not add up to the document as it now is.
    void sync();

    // The text with CR LF line ends, no line end after the last line.
    QStringView text() const;
    // The same kept as a copy that shares the mirror's characters: taking it costs
    // nothing; the mirror copies them only if the text changes while the copy is held.
    SharedText sharedText() const { return {mirror_, text().size()}; }

    // How often the whole text was converted again instead of only the edited part.
    int rebuildCount() const { return rebuilds_; }

    // What changed in text() since the last call: the part between the two ends that
    // every change since then left alone. All of it after a rebuild.
    TextEdit takeChange();

    // The same text built from scratch, for the fallback and for checking the mirror.
    static QString buildFrom(const QTextDocument& document);

private:
    void rebuild();
    bool adoptExpected();
    void takeWholeText(QString text);
    int separatorsBefore(int position) const;
    qsizetype pieceBreaksBefore(int position) const;
    void notePieceBreaks(int from, int oldTo, int newTo);
    void keepBreakBefore(int position);

    QTextDocument& document_;
    QString mirror_;               // every document character, the closing paragraph break included
    std::vector<int> pieceBreaks_; // positions of the breaks that are no line ends, ascending
    int syncedLength_ = 0;         // the document's characterCount() at the last sync
    // Pending changes: the document length they lead to, and how much of the start and
    // of the end of the document they left untouched.
    int pendingLength_ = 0;
    int untouchedPrefix_ = INT_MAX;
    int untouchedSuffix_ = INT_MAX;
    bool pending_ = false;
    bool inconsistent_ = false;
    std::optional<QString> expected_;
    int rebuilds_ = 0;
    // The text's length at the last takeChange, and the lengths at its two ends that
    // no change has touched since (counted in the text as it is now).
    qsizetype takenLength_ = 0;
    qsizetype unchangedStart_ = std::numeric_limits<qsizetype>::max();
    qsizetype unchangedEnd_ = std::numeric_limits<qsizetype>::max();
    bool changedAll_ = true;
};

} // namespace quillmar
