#pragma once

#include <QProxyStyle>

namespace quillmar {

// The program's style: the platform's own, except that the double arrows of the menu
// bar's and toolbar's overflow buttons are drawn here. Asking the base style for them
// starts the icon theme and loads every image-format plug-in to read Qt's pictures of
// them, which was a good part of the program's start-up.
class ProgramStyle : public QProxyStyle {
public:
    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

} // namespace quillmar
