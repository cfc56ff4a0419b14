#include "ui/main/crlf_text_mirror.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

namespace quillmar {

namespace {

constexpr char16_t kParagraphSeparator = 0x2029;
constexpr QStringView kCrLf = u"\r\n";

} // namespace

CrLfTextMirror::CrLfTextMirror(QTextDocument& document) : document_(document) {
    // A document reports the ranges of its changes only once it has a layout.
    (void)document_.documentLayout();
    rebuild();
}

QString CrLfTextMirror::withCrLf(QStringView documentText) {
    const auto breaks =
        std::count(documentText.begin(), documentText.end(), QChar(kParagraphSeparator));
    QString out;
    out.reserve(documentText.size() + breaks);
    qsizetype runStart = 0;
    for (qsizetype i = 0; i < documentText.size(); ++i) {
        if (documentText[i] == QChar(kParagraphSeparator)) {
            out += documentText.sliced(runStart, i - runStart);
            out += kCrLf;
            runStart = i + 1;
        }
    }
    out += documentText.sliced(runStart);
    return out;
}

QString CrLfTextMirror::buildFrom(const QTextDocument& document) {
    return withCrLf(document.toRawText());
}

void CrLfTextMirror::rebuild() {
    ++rebuilds_;
    changedAll_ = true;
    mirror_ = buildFrom(document_);
    mirror_ += kCrLf; // the document's closing paragraph break
    syncedLength_ = document_.characterCount();
    pendingLength_ = syncedLength_;
    untouchedPrefix_ = INT_MAX;
    untouchedSuffix_ = INT_MAX;
    pending_ = false;
    inconsistent_ = false;
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

QString CrLfTextMirror::documentRange(int from, int to) const {
    // The closing paragraph break cannot be selected; it is always a break.
    const int lastSelectable = document_.characterCount() - 1;
    QString text;
    if (from < std::min(to, lastSelectable)) {
        QTextCursor cursor(&document_);
        cursor.setPosition(from);
        cursor.setPosition(std::min(to, lastSelectable), QTextCursor::KeepAnchor);
        text = withCrLf(cursor.selectedText());
    }
    if (to > lastSelectable) {
        text += kCrLf;
    }
    return text;
}

void CrLfTextMirror::sync() {
    if (!pending_) {
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

    const qsizetype mirrorFrom = prefix + separatorsBefore(prefix);
    const qsizetype suffixInMirror =
        suffix + (document_.blockCount() - separatorsBefore(changedEnd));
    const qsizetype mirrorTo = mirror_.size() - suffixInMirror;
    if (mirrorTo < mirrorFrom) {
        rebuild();
        return;
    }
    const QString replacement = documentRange(prefix, changedEnd);
    // The text is the mirror without its closing CR LF, which no change moves.
    const qsizetype untouchedEnd = mirror_.size() - mirrorTo;
    unchangedStart_ = std::min(unchangedStart_, mirrorFrom);
    unchangedEnd_ = std::min(unchangedEnd_, std::max<qsizetype>(untouchedEnd - kCrLf.size(), 0));
    mirror_.replace(mirrorFrom, mirrorTo - mirrorFrom, replacement);

    syncedLength_ = newLength;
    pendingLength_ = newLength;
    untouchedPrefix_ = INT_MAX;
    untouchedSuffix_ = INT_MAX;
    pending_ = false;
    if (mirror_.size() != qsizetype(newLength) + document_.blockCount() ||
        !mirror_.endsWith(kCrLf)) {
        rebuild();
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
