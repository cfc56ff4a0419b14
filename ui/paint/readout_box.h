#pragma once

#include <QLabel>

namespace quillmar {

// The small box that reads out the position under the pointer: one line of plain
// text at its top left corner, in Arial 11.25 points (or the nearest sans-serif face
// where Arial is missing), in the default colours of a picture box.
class ReadoutBox : public QLabel {
    Q_OBJECT

public:
    explicit ReadoutBox(QWidget* parent = nullptr);

    static QFont readoutFont();
};

} // namespace quillmar
