#include "ui/main/editor/pane_painting.h"

#include "ui/main/editor/program_text_buffer.h"

#include <QPainter>
#include <QPalette>
#include <algorithm>
#include <cmath>

namespace quillmar {

namespace {

bool isControl(QChar c) {
    return c.unicode() < 0x20 || c.unicode() == 0x7F;
}

bool startsPair(QStringView text, qsizetype at) {
    return text[at].isHighSurrogate() && at + 1 < text.size() && text[at + 1].isLowSurrogate();
}

qsizetype charLength(QStringView text, qsizetype at) {
    return startsPair(text, at) ? 2 : 1;
}

// The characters as drawn: control characters as blanks.
QString drawable(QStringView text) {
    QString shown = text.toString();
    std::replace_if(shown.begin(), shown.end(), isControl, QChar(u' '));
    return shown;
}

// The part of a line in view, from the first character that reaches into it to the
// first that starts beyond it, and where that part starts.
struct Span {
    qsizetype from = 0;
    qsizetype to = 0;
    qreal x = 0;
};

Span visibleSpan(const CharacterAdvances& advances, QStringView line, qreal left, qreal right) {
    Span span;
    qsizetype at = advances.plainRunBefore(line, left);
    qreal x = advances.plainAdvance() * qreal(at);
    while (at < line.size()) {
        const qreal width = advances.advance(line, at);
        if (x + width > left) {
            break;
        }
        x += width;
        at += charLength(line, at);
    }
    span.from = at;
    span.x = x;
    while (at < line.size() && x < right) {
        x += advances.advance(line, at);
        at += charLength(line, at);
    }
    span.to = at;
    return span;
}

// A line's text as shown: with the input method's text at the caret.
struct ShownLine {
    QString owned;
    QStringView text;
    qsizetype preeditFrom = -1;
    qsizetype preeditTo = -1;
};

ShownLine shownLine(const PaneView& view, qsizetype line) {
    ShownLine shown;
    shown.text = view.text.lineText(line);
    if (!view.preedit.isEmpty() && view.text.lineOf(view.caret) == line) {
        const qsizetype column = view.caret - view.text.lineStart(line);
        shown.owned = shown.text.first(column).toString();
        shown.owned += view.preedit;
        shown.owned += shown.text.sliced(column);
        shown.text = shown.owned;
        shown.preeditFrom = column;
        shown.preeditTo = column + view.preedit.size();
    }
    return shown;
}

void paintLine(QPainter& painter, const PaneView& view, qsizetype line, qreal top,
               const QRectF& area, const QPalette& palette) {
    const ShownLine shown = shownLine(view, line);
    const qreal left = area.left() + view.margin - view.scrollX;
    const Span span =
        visibleSpan(view.advances, shown.text, area.left() - left, area.right() - left);
    const qreal baseline = top + view.advances.ascent();
    const QString drawn = drawable(shown.text.sliced(span.from, span.to - span.from));
    painter.setPen(palette.color(QPalette::Text));
    painter.drawText(QPointF(left + span.x, baseline), drawn);

    const qsizetype start = view.text.lineStart(line);
    const qsizetype end = view.text.lineEnd(line);
    if (view.selectionFrom < view.selectionTo && view.selectionFrom <= end &&
        view.selectionTo >= start && shown.preeditFrom < 0) {
        const qsizetype from = std::max(view.selectionFrom, start) - start;
        const qsizetype to = std::min(view.selectionTo, end) - start;
        const qreal x1 = left + view.advances.width(shown.text.first(from));
        qreal x2 = left + view.advances.width(shown.text.first(to));
        if (view.selectionTo > end) {
            x2 += view.advances.blankWidth(); // the line end is selected too
        }
        const QRectF selected(x1, top, x2 - x1, view.advances.lineHeight());
        painter.fillRect(selected, palette.color(QPalette::Highlight));
        painter.save();
        painter.setClipRect(selected);
        painter.setPen(palette.color(QPalette::HighlightedText));
        painter.drawText(QPointF(left + span.x, baseline), drawn);
        painter.restore();
    }
    if (shown.preeditFrom >= 0) {
        const qreal x1 = left + view.advances.width(shown.text.first(shown.preeditFrom));
        const qreal x2 = left + view.advances.width(shown.text.first(shown.preeditTo));
        painter.drawLine(QPointF(x1, baseline + 2), QPointF(x2, baseline + 2));
    }
}

} // namespace

CharacterAdvances::CharacterAdvances(const QFont& font)
    : metrics_(font), lineHeight_(std::ceil(metrics_.height())), basicPlane_(0x10000, -1.0F) {
    // A fixed-pitch face gives every printable ASCII character one width; if this one
    // does not, none counts as plain.
    plainAdvance_ = metrics_.horizontalAdvance(QChar(u' '));
    for (char16_t c = 0x21; c < 0x7F; ++c) {
        if (metrics_.horizontalAdvance(QChar(c)) != plainAdvance_) {
            plainAdvance_ = -1;
        }
    }
}

bool CharacterAdvances::isPlain(QChar c) const {
    return plainAdvance_ >= 0 && c.unicode() >= 0x20 && c.unicode() < 0x7F;
}

qsizetype CharacterAdvances::plainRunBefore(QStringView line, qreal x) const {
    if (plainAdvance_ <= 0) {
        return 0;
    }
    const auto most = std::min(line.size(), qsizetype(std::max(0.0, x / plainAdvance_)));
    qsizetype at = 0;
    while (at < most && isPlain(line[at])) {
        ++at;
    }
    return at;
}

qreal CharacterAdvances::advance(QStringView text, qsizetype at) const {
    const QChar c = text[at];
    if (startsPair(text, at)) {
        return metrics_.horizontalAdvance(text.sliced(at, 2).toString());
    }
    float& known = basicPlane_[c.unicode()];
    if (known < 0) {
        known = float(metrics_.horizontalAdvance(isControl(c) ? QChar(u' ') : c));
    }
    return known;
}

qreal CharacterAdvances::width(QStringView text) const {
    qreal width = 0;
    qsizetype plain = 0;
    for (qsizetype at = 0; at < text.size();) {
        if (isPlain(text[at])) {
            ++plain;
            ++at;
        } else {
            width += advance(text, at);
            at += charLength(text, at);
        }
    }
    return width + qreal(plain) * plainAdvance_;
}

qsizetype CharacterAdvances::columnAt(QStringView line, qreal x) const {
    qsizetype at = plainRunBefore(line, x - plainAdvance_);
    qreal left = qreal(at) * std::max<qreal>(plainAdvance_, 0);
    for (; at < line.size(); at += charLength(line, at)) {
        const qreal width = advance(line, at);
        if (x < left + width / 2) {
            return at;
        }
        left += width;
    }
    return line.size();
}

QRectF caretRectangle(const PaneView& view) {
    const qsizetype line = view.text.lineOf(view.caret);
    const QStringView text = view.text.lineText(line);
    const qsizetype column = view.caret - view.text.lineStart(line);
    // After the text an input method is composing, which stands at the caret.
    const qreal lineX = view.caretX >= 0 ? view.caretX : view.advances.width(text.first(column));
    const qreal x = view.margin - view.scrollX + lineX + view.advances.width(view.preedit);
    const qreal top = view.margin + qreal(line - view.firstLine) * view.advances.lineHeight();
    const qreal width =
        view.overwrite && column < text.size() ? view.advances.advance(text, column) : 1.0;
    return {x, top, width, view.advances.lineHeight()};
}

void paintPaneLines(QPainter& painter, const PaneView& view, const QRectF& area,
                    const QPalette& palette) {
    const qreal height = view.advances.lineHeight();
    qsizetype line = view.firstLine;
    for (qreal top = area.top() + view.margin; line < view.text.lineCount() && top < area.bottom();
         ++line, top += height) {
        paintLine(painter, view, line, top, area, palette);
    }
    if (view.showCaret) {
        const QRectF caret = caretRectangle(view);
        if (view.overwrite && caret.width() > 1) {
            painter.setPen(palette.color(QPalette::Text));
            painter.drawRect(caret.adjusted(0, 0, -1, -1));
        } else {
            painter.fillRect(caret, palette.color(QPalette::Text));
        }
    }
}

} // namespace quillmar
