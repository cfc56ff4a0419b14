#include "ui/main/editor/program_text_buffer.h"

#include <algorithm>

namespace quillmar {

namespace {

constexpr QStringView kCrLf = u"\r\n";

// Whatever a text editor would take for a line end: the two separators, and the two
// characters Qt's own text document took for paragraph breaks.
bool isBreak(QChar c) {
    return c == u'\n' || c == u'\r' || c == QChar::ParagraphSeparator ||
           c == QChar::LineSeparator || c == u'\uFDD0' || c == u'\uFDD1';
}

qsizetype breakLength(QStringView text, qsizetype at) {
    return text[at] == u'\r' && at + 1 < text.size() && text[at + 1] == u'\n' ? 2 : 1;
}

bool hasOnlyCrLfBreaks(QStringView text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (isBreak(text[i])) {
            if (breakLength(text, i) != 2) {
                return false;
            }
            ++i;
        }
    }
    return true;
}

} // namespace

QString ProgramTextBuffer::withCrLfLineEnds(QString text) {
    if (hasOnlyCrLfBreaks(text)) {
        return text;
    }
    QString crLf;
    crLf.reserve(text.size() + text.size() / 8);
    qsizetype runStart = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (isBreak(text[i])) {
            crLf += QStringView(text).sliced(runStart, i - runStart);
            crLf += kCrLf;
            i += breakLength(text, i) - 1;
            runStart = i + 1;
        }
    }
    crLf += QStringView(text).sliced(runStart);
    return crLf;
}

qsizetype ProgramTextBuffer::lineEnd(qsizetype line) const {
    return line + 1 < lineCount() ? lineStart(line + 1) - kCrLf.size() : text_.size();
}

QStringView ProgramTextBuffer::lineText(qsizetype line) const {
    const qsizetype start = lineStart(line);
    return QStringView(text_).sliced(start, lineEnd(line) - start);
}

qsizetype ProgramTextBuffer::lineOf(qsizetype position) const {
    return qsizetype(std::upper_bound(lineStarts_.begin(), lineStarts_.end(), position) -
                     lineStarts_.begin()) -
           1;
}

void ProgramTextBuffer::replace(qsizetype from, qsizetype to, QStringView text) {
    from = std::clamp<qsizetype>(from, 0, text_.size());
    to = std::clamp<qsizetype>(to, from, text_.size());
    const auto splitsLineEnd = [this](qsizetype at) {
        return at > 0 && at < text_.size() && text_[at - 1] == u'\r' && text_[at] == u'\n';
    };
    const bool insertion = from == to;
    if (splitsLineEnd(to)) {
        ++to;
    }
    if (splitsLineEnd(from)) {
        from += insertion ? 1 : -1; // an insertion goes after the line end
    }
    const qsizetype shift = text.size() - (to - from);
    // Lines that started inside the replaced range go; those after it move; the new
    // text's line ends start lines of their own.
    std::vector<qsizetype> added;
    for (qsizetype i = text.indexOf(kCrLf); i >= 0; i = text.indexOf(kCrLf, i + 2)) {
        added.push_back(from + i + 2);
    }
    const auto first = std::upper_bound(lineStarts_.begin(), lineStarts_.end(), from);
    const auto last = std::upper_bound(first, lineStarts_.end(), to);
    std::for_each(last, lineStarts_.end(), [shift](qsizetype& start) { start += shift; });
    const auto at = lineStarts_.erase(first, last);
    lineStarts_.insert(at, added.begin(), added.end());
    text_.replace(from, to - from, text.data(), text.size());

    unchangedStart_ = std::min(unchangedStart_, from);
    unchangedEnd_ = std::min(unchangedEnd_, text_.size() - (from + text.size()));
}

void ProgramTextBuffer::setText(QString text) {
    text_ = std::move(text);
    indexLines();
    changedAll_ = true;
}

QString ProgramTextBuffer::takeText() {
    QString taken = std::move(text_);
    setText(QString());
    return taken;
}

void ProgramTextBuffer::indexLines() {
    const QStringView text = text_;
    lineStarts_.clear();
    lineStarts_.reserve(std::size_t(text.count(u'\n')) + 1);
    lineStarts_.push_back(0);
    for (qsizetype i = text.indexOf(kCrLf); i >= 0; i = text.indexOf(kCrLf, i + 2)) {
        lineStarts_.push_back(i + 2);
    }
}

TextEdit ProgramTextBuffer::takeChange() {
    const qsizetype length = text_.size();
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

} // namespace quillmar
