#pragma once

#include <QString>
#include <QStringView>
#include <optional>

class QTextBlock;
class QTextCursor;
class QTextDocument;
class QTextFormat;

namespace quillmar {

// A pane lays out and paints a paragraph of its document as a whole, so a line of a
// million characters would be laid out again on every key and every blink of the
// caret. A line longer than kPieceLength is therefore held as several paragraphs,
// its pieces: every piece after the first is marked as continuing the line, and the
// break before it is no line end. The program text knows nothing of pieces.
inline constexpr int kPieceLength = 2000;

// True when the break before this paragraph is a piece break, not a line end.
bool continuesLine(const QTextBlock& block);
// Marks the break before the paragraph as a piece break or a line end, as part of the
// edit just made, so that Undo takes back both at once.
void markBreakBefore(const QTextBlock& block, bool pieceBreak);
// True for the paragraph format that marks a piece.
bool isPieceFormat(const QTextFormat& format);

// Replaces the cursor's selection by program text: each CR LF, lone CR or lone LF
// (or paragraph separator) becomes a line end, and a run without one that is longer
// than kPieceLength goes in as pieces. The cursor ends after the inserted text.
void insertProgramText(QTextCursor& cursor, QStringView text);

// True when the text holds a run without a line end longer than kPieceLength.
bool holdsLongLine(QStringView text);

// The program text a document given this text reads back: every line end (see
// insertProgramText) as CR LF. Nothing when the text holds a long line, whose pieces
// only the document knows. A text whose line ends are all CR LF comes back shared, not
// copied.
std::optional<QString> readBackProgramText(const QString& text);

// The program text of the document positions [from, to): line ends as CR LF (the
// document's closing paragraph break included when `to` reaches past it), piece
// breaks as nothing.
QString programTextBetween(const QTextDocument& document, int from, int to);

} // namespace quillmar
