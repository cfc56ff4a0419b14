#include "ui/main/editor/crlf_text_mirror.h"

#include "ui/main/editor/long_lines.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

namespace quillmar {

namespace {

constexpr char16_t kParagraphSeparator = 0x2029;
constexpr QStringView kCrLf = u"\r\n";

// Raw document text with each paragraph separator as CR LF, but those at the piece
// breaks' positions (ascending) dropped.
QString withCrLf(QStringView documentText, const std::vector<int>& pieceBreaks) {
    const auto breaks =
        std::count(documentText.begin(), documentText.end(), QChar(kParagraphSeparator));
    QString out;
    out.reserve(documentText.size() + breaks);
    auto nextPiece = pieceBreaks.begin();
    qsizetype runStart = 0;
    for (qsizetype i = 0; i < documentText.size(); ++i) {
        if (documentText[i] == QChar(kParagraphSeparator)) {
            out += documentText.sliced(runStart, i - runStart);
            if (nextPiece != pieceBreaks.end() && *nextPiece == i) {
                ++nextPiece;
            } else {
                out += kCrLf;
            }
            runStart = i + 1;
        }
    }
    out += documentText.sliced(runStart);
    return out;
}

// Only a document that ever held a long line has the pieces' paragraph format.
bool mayHoldPieces(const QTextDocument& document) {
    const QList<QTextFormat> formats = document.allFormats();
    return std::any_of(formats.begin(), formats.end(), isPieceFormat);
}

} // namespace

CrLfTextMirror::CrLfTextMirror(QTextDocument& document) : document_(document) {
    // A document reports the ranges of its changes only once it has a layout.
    (void)document_.documentLayout();
    rebuild();
}

QString CrLfTextMirror::buildFrom(const QTextDocument& document) {
    return programTextBetween(document, 0, document.characterCount() - 1);
}

void CrLfTextMirror::rebuild() {
    ++rebuilds_;
    pieceBreaks_.clear();
    if (mayHoldPieces(document_)) {
        for (QTextBlock block = document_.begin(); block.isValid(); block = block.next()) {
            if (continuesLine(block)) {
                pieceBreaks_.push_back(block.position() - 1);
            }
        }
    }
    takeWholeText(withCrLf(document_.toRawText(), pieceBreaks_));
}

// The text is the whole document's, piece breaks as noted, without the closing line end.
void CrLfTextMirror::takeWholeText(QString text) {
    mirror_ = std::move(text);
    mirror_ += kCrLf; // the document's closing paragraph break
    changedAll_ = true;
    syncedLength_ = document_.characterCount();
    pendingLength_ = syncedLength_;
    untouchedPrefix_ = INT_MAX;
    untouchedSuffix_ = INT_MAX;
    pending_ = false;
    inconsistent_ = false;
}

void CrLfTextMirror::expectWholeText(std::optional<QString> programText) {
    expected_ = std::move(programText);
}

// Every line end of the expected text is one paragraph break of the document, and the
// document closes with one more. A document that ever held a long line is read back,
// in case a paragraph kept a piece's format.
bool CrLfTextMirror::adoptExpected() {
    QString expected = std::move(*expected_);
    expected_.reset();
    const qsizetype lineEnds = expected.count(kCrLf);
    if (mayHoldPieces(document_) || document_.blockCount() != lineEnds + 1 ||
        document_.characterCount() != expected.size() - lineEnds + 1) {
        return false;
    }
    pieceBreaks_.clear();
    takeWholeText(std::move(expected));
    return true;
}

void CrLfTextMirror::noteChange(int position, int charsRemoved, int charsAdded) {
    const int lengthBefore = pendingLength_;
    if (position < 0 || charsRemoved < 0 || charsAdded < 0 ||
        position + charsRemoved > lengthBefore) {
        inconsistent_ = true;
    }
    pendingLength_ = lengthBefore - charsRemoved + charsAdded;
    // Positions counted from either end stay valid across a change that does not
    // reach them, so the untouched ends of several changes are their minimum.
    untouchedPrefix_ = std::min(untouchedPrefix_, position);
    untouchedSuffix_ = std::min(untouchedSuffix_, pendingLength_ - (position + charsAdded));
    pending_ = true;
}

int CrLfTextMirror::separatorsBefore(int position) const {
    if (position >= document_.characterCount()) {
        return document_.blockCount();
    }
    return document_.findBlock(position).blockNumber();
}

qsizetype CrLfTextMirror::pieceBreaksBefore(int position) const {
    return std::lower_bound(pieceBreaks_.begin(), pieceBreaks_.end(), position) -
           pieceBreaks_.begin();
}

// The piece breaks of the changed range [from, oldTo), which now is [from, newTo),
// read again from the document; those after it move with the change.
void CrLfTextMirror::notePieceBreaks(int from, int oldTo, int newTo) {
    const auto first = std::lower_bound(pieceBreaks_.begin(), pieceBreaks_.end(), from);
    const auto last = std::lower_bound(first, pieceBreaks_.end(), oldTo);
    std::vector<int> changed;
    for (QTextBlock block = document_.findBlock(from).next();
         block.isValid() && block.position() <= newTo; block = block.next()) {
        if (continuesLine(block)) {
            changed.push_back(block.position() - 1);
        }
    }
    const int shift = newTo - oldTo;
    std::for_each(last, pieceBreaks_.end(), [shift](int& position) { position += shift; });
    const auto at = pieceBreaks_.erase(first, last);
    pieceBreaks_.insert(at, changed.begin(), changed.end());
}

void CrLfTextMirror::sync() {
    if (!pending_) {
        expected_.reset();
        return;
    }
    if (expected_ && adoptExpected()) {
        return;
    }
    const int newLength = document_.characterCount();
    if (inconsistent_ || newLength != pendingLength_ || untouchedPrefix_ < 0 ||
        untouchedSuffix_ < 0) {
        rebuild();
        return;
    }
    const int prefix = std::min({untouchedPrefix_, newLength, syncedLength_});
    const int suffix = std::min({untouchedSuffix_, newLength - prefix, syncedLength_ - prefix});
    const int changedEnd = newLength - suffix;

    const int oldChangedEnd = syncedLength_ - suffix;

    // A line end is two characters in the mirror, a piece break none.
    const qsizetype mirrorFrom = prefix + separatorsBefore(prefix) - 2 * pieceBreaksBefore(prefix);
    const qsizetype suffixPieceBreaks =
        qsizetype(pieceBreaks_.size()) - pieceBreaksBefore(oldChangedEnd);
    const qsizetype suffixInMirror =
        suffix + (document_.blockCount() - separatorsBefore(changedEnd)) - 2 * suffixPieceBreaks;
    const qsizetype mirrorTo = mirror_.size() - suffixInMirror;
    if (mirrorTo < mirrorFrom) {
        rebuild();
        return;
    }
    // The text is the mirror without its closing CR LF, which no change moves.
    const qsizetype untouchedEnd = mirror_.size() - mirrorTo;
    unchangedStart_ = std::min(unchangedStart_, mirrorFrom);
    unchangedEnd_ = std::min(unchangedEnd_, std::max<qsizetype>(untouchedEnd - kCrLf.size(), 0));
    mirror_.replace(mirrorFrom, mirrorTo - mirrorFrom,
                    programTextBetween(document_, prefix, changedEnd));
    notePieceBreaks(prefix, oldChangedEnd, changedEnd);

    syncedLength_ = newLength;
    pendingLength_ = newLength;
    untouchedPrefix_ = INT_MAX;
    untouchedSuffix_ = INT_MAX;
    pending_ = false;
    if (mirror_.size() !=
            qsizetype(newLength) + document_.blockCount() - 2 * qsizetype(pieceBreaks_.size()) ||
        !mirror_.endsWith(kCrLf)) {
        rebuild();
        return;
    }
    keepBreakBefore(prefix);
}

// A deletion from the start of a paragraph through a break leaves the paragraph's
// place, with its format, to the paragraph after that break. The break before the
// place was not touched: it keeps its kind, and the document is told so again.
void CrLfTextMirror::keepBreakBefore(int position) {
    const QTextBlock block = document_.findBlock(position);
    if (!block.previous().isValid()) {
        return;
    }
    const bool pieceBreak =
        std::binary_search(pieceBreaks_.begin(), pieceBreaks_.end(), block.position() - 1);
    if (continuesLine(block) != pieceBreak) {
        markBreakBefore(block, pieceBreak);
    }
}

TextEdit CrLfTextMirror::takeChange() {
    const qsizetype length = text().size();
    TextEdit edit = TextEdit::wholeText();
    if (!changedAll_) {
        const qsizetype start = std::min({unchangedStart_, length, takenLength_});
        const qsizetype end = std::min({unchangedEnd_, length - start, takenLength_ - start});
        edit = TextEdit{std::size_t(start), std::size_t(takenLength_ - start - end),
                        std::size_t(length - start - end), false};
    }
    takenLength_ = length;
    unchangedStart_ = std::numeric_limits<qsizetype>::max();
    unchangedEnd_ = std::numeric_limits<qsizetype>::max();
    changedAll_ = false;
    return edit;
}

QStringView CrLfTextMirror::text() const {
    return QStringView(mirror_).chopped(kCrLf.size());
}

} // namespace quillmar
