#pragma once

#include "ui/dialog/form_layout.h"

#include <QWidget>
#include <span>
#include <string_view>

namespace quillmar {

// The explanatory drawing at the top of the data input form: one groove of the thread
// profile with its dimensions, the stock line and the finishing allowance. Everything
// is in the form's twips, so the drawing sits exactly over the area it was designed
// for. It has no behaviour: it takes no focus and clicks pass through it.
enum class Ink { Black, Blue, Red };
enum class Stroke { Solid, DashDotDot, Dotted };

struct DiagramLine {
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    Ink ink = Ink::Black;
    Stroke stroke = Stroke::Solid;
};

struct DiagramCaption {
    std::string_view text;
    TwipsRect rect;
    Ink ink = Ink::Black;
};

std::span<const DiagramLine> diagramLines();
std::span<const DiagramCaption> diagramCaptions();

class ProfileDiagram : public QWidget {
    Q_OBJECT

public:
    explicit ProfileDiagram(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace quillmar
