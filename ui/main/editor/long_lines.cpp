#include "ui/main/editor/long_lines.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

namespace quillmar {

namespace {

constexpr int kContinuesLineProperty = QTextFormat::UserProperty + 1;
constexpr QStringView kCrLf = u"\r\n";

// What the text cursor itself takes for a paragraph break when it inserts text.
bool isBreak(QChar c) {
    return c == u'\n' || c == u'\r' || c == QChar::ParagraphSeparator || c == u'\uFDD0' ||
           c == u'\uFDD1';
}

qsizetype breakLength(QStringView text, qsizetype at) {
    return text[at] == u'\r' && at + 1 < text.size() && text[at + 1] == u'\n' ? 2 : 1;
}

QTextBlockFormat lineStartFormat() {
    return QTextBlockFormat();
}

QTextBlockFormat pieceFormat() {
    QTextBlockFormat format;
    format.setProperty(kContinuesLineProperty, true);
    return format;
}

// One line without its end, in pieces; a piece never ends between the two halves of
// a surrogate pair.
void insertLine(QTextCursor& cursor, QStringView line) {
    while (line.size() > kPieceLength) {
        qsizetype length = kPieceLength;
        if (line[length - 1].isHighSurrogate()) {
            --length;
        }
        cursor.insertText(line.first(length).toString());
        cursor.insertBlock(pieceFormat());
        line = line.sliced(length);
    }
    if (!line.isEmpty()) {
        cursor.insertText(line.toString());
    }
}

} // namespace

bool isPieceFormat(const QTextFormat& format) {
    return format.boolProperty(kContinuesLineProperty);
}

bool continuesLine(const QTextBlock& block) {
    return block.previous().isValid() && isPieceFormat(block.blockFormat());
}

void markBreakBefore(const QTextBlock& block, bool pieceBreak) {
    QTextCursor cursor(block);
    cursor.joinPreviousEditBlock();
    cursor.setBlockFormat(pieceBreak ? pieceFormat() : lineStartFormat());
    cursor.endEditBlock();
}

bool holdsLongLine(QStringView text) {
    qsizetype runStart = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (isBreak(text[i])) {
            runStart = i + 1;
        } else if (i - runStart >= kPieceLength) {
            return true;
        }
    }
    return false;
}

std::optional<QString> readBackProgramText(const QString& text) {
    bool allCrLf = true;
    qsizetype runStart = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (isBreak(text[i])) {
            const qsizetype length = breakLength(text, i);
            allCrLf = allCrLf && length == 2;
            i += length - 1;
            runStart = i + 1;
        } else if (i - runStart >= kPieceLength) {
            return std::nullopt;
        }
    }
    if (allCrLf) {
        return text;
    }
    QString crLf;
    crLf.reserve(text.size() + text.size() / 8);
    runStart = 0;
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

void insertProgramText(QTextCursor& cursor, QStringView text) {
    cursor.beginEditBlock();
    cursor.removeSelectedText();
    // The cursor's own line breaks take the format of the paragraph they start in,
    // which in a piece would mark a line end as a piece break.
    if (!continuesLine(cursor.block()) && !holdsLongLine(text)) {
        cursor.insertText(text.toString());
        cursor.endEditBlock();
        return;
    }
    qsizetype lineStart = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (isBreak(text[i])) {
            insertLine(cursor, text.sliced(lineStart, i - lineStart));
            cursor.insertBlock(lineStartFormat());
            i += breakLength(text, i) - 1;
            lineStart = i + 1;
        }
    }
    insertLine(cursor, text.sliced(lineStart));
    cursor.endEditBlock();
}

QString programTextBetween(const QTextDocument& document, int from, int to) {
    QString text;
    for (QTextBlock block = document.findBlock(from); block.isValid() && block.position() < to;
         block = block.next()) {
        const int start = block.position();
        const int end = start + block.length() - 1; // the position of its break
        const int sliceFrom = std::max(from, start);
        const int sliceTo = std::min(to, end);
        if (sliceFrom < sliceTo) {
            text += QStringView(block.text()).sliced(sliceFrom - start, sliceTo - sliceFrom);
        }
        const QTextBlock next = block.next();
        if (end >= from && end < to && !(next.isValid() && continuesLine(next))) {
            text += kCrLf;
        }
    }
    return text;
}

} // namespace quillmar
