#include "ui/main/editor/program_style.h"

#include <QGuiApplication>
#include <QIcon>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QPixmap>
#include <QStyleOption>
#include <QTransform>
#include <QWidget>
#include <algorithm>

namespace quillmar {

namespace {

enum class Toward { Right, Left, Down };

// Two chevrons side by side pointing `toward` the hidden items, in `colour`.
QPixmap doubleArrow(int size, Toward toward, const QColor& colour) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(
        QPen(colour, std::max(1.0, size / 10.0), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const double s = size;
    if (toward == Toward::Left) {
        painter.setTransform(QTransform(-1, 0, 0, 1, s, 0));
    } else if (toward == Toward::Down) {
        painter.setTransform(QTransform(0, 1, 1, 0, 0, 0)); // x and y swapped
    }
    for (const double left : {0.22, 0.5}) {
        QPainterPath chevron(QPointF(left * s, 0.28 * s));
        chevron.lineTo((left + 0.22) * s, 0.5 * s);
        chevron.lineTo(left * s, 0.72 * s);
        painter.drawPath(chevron);
    }
    return pixmap;
}

QIcon doubleArrowIcon(Toward toward, const QColor& colour) {
    QIcon icon;
    for (const int size : {8, 16, 32}) {
        icon.addPixmap(doubleArrow(size, toward, colour));
    }
    return icon;
}

bool rightToLeft(const QStyleOption* option, const QWidget* widget) {
    if (option != nullptr) {
        return option->direction == Qt::RightToLeft;
    }
    return (widget != nullptr ? widget->layoutDirection() : QGuiApplication::layoutDirection()) ==
           Qt::RightToLeft;
}

QColor arrowColour(const QStyleOption* option, const QWidget* widget) {
    const QPalette palette = option != nullptr   ? option->palette
                             : widget != nullptr ? widget->palette()
                                                 : QGuiApplication::palette();
    return palette.color(QPalette::ButtonText);
}

} // namespace

QIcon ProgramStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption* option,
                                 const QWidget* widget) const {
    if (standardIcon == SP_ToolBarHorizontalExtensionButton) {
        return doubleArrowIcon(rightToLeft(option, widget) ? Toward::Left : Toward::Right,
                               arrowColour(option, widget));
    }
    if (standardIcon == SP_ToolBarVerticalExtensionButton) {
        return doubleArrowIcon(Toward::Down, arrowColour(option, widget));
    }
    return QProxyStyle::standardIcon(standardIcon, option, widget);
}

} // namespace quillmar
