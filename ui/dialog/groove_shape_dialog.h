#pragma once

#include "core/drawn_groove_review.h"
#include "core/program_output.h"

#include <QDialog>
#include <QString>
#include <functional>
#include <optional>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;

namespace quillmar {

class GroovePreview;

// What "溝形状..." hands back to the data input form: a drawn groove with the scallop
// height its passes keep to (0: the first step), or, with no groove, the fields' own
// eight-segment form again.
struct GrooveShapeChoice {
    SegmentChain groove; // as read, as quillmar-gen hands it on
    double cusp = 0;
    QString source;   // the file the groove was read from
    double depth = 0; // below the crest, once the checks closed any gaps
};

// "溝形状": a groove's profile from a drawing (.dxf) or a text profile (.groove), shown
// to scale with the nose centre's path and the parts the form's nose cannot reach
// marked, checked against the form's pitch as the program output will check it. A
// profile that cannot be read or cut says why and cannot be taken.
class GrooveShapeDialog : public QDialog {
    Q_OBJECT

public:
    // Asks a person for a profile file over the dialog; the empty text when cancelled.
    using AskProfileFile = std::function<QString(QWidget* parent)>;

    GrooveShapeDialog(const DialogSnapshot& form, const QString& source, AskProfileFile askFile,
                      QWidget* parent = nullptr);

    // After the dialog was accepted.
    const GrooveShapeChoice& choice() const { return choice_; }

private:
    void buildControls();
    void askForFile();
    void readChosenFile();
    void review();
    void refuse(const QString& why);

    DialogSnapshot form_;
    AskProfileFile askFile_;
    QString path_;
    SegmentChain read_;
    std::optional<DrawnGrooveReview> review_;
    GrooveShapeChoice choice_;
    QLineEdit* fileName_ = nullptr;
    QLineEdit* layer_ = nullptr;
    QLineEdit* cusp_ = nullptr;
    GroovePreview* preview_ = nullptr;
    QLabel* verdict_ = nullptr;
    QPushButton* useDrawn_ = nullptr;
    QPushButton* useBuiltIn_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

} // namespace quillmar
