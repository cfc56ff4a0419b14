// Every caption of the data input form fits its control in both languages: at the
// form's own size and at twice it, where a dense screen draws the same text with a font
// twice as large and hinting may make it relatively wider.

#include "tests/support/dialog_test_support.h"
#include "ui/main/settings/program_language.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <optional>

namespace quillmar::testing {
namespace {

struct Caption {
    QString text;
    QFont font;
    int room = 0; // the width the style gives the text at the form's size
};

// The rectangle the style draws a button's text in: its own rectangle less frame,
// margins and indicator.
int buttonRoom(QAbstractButton* button) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const auto element = qobject_cast<QCheckBox*>(button)      ? QStyle::SE_CheckBoxContents
                         : qobject_cast<QRadioButton*>(button) ? QStyle::SE_RadioButtonContents
                                                               : QStyle::SE_PushButtonContents;
    return button->style()->subElementRect(element, &option, button).width();
}

std::optional<Caption> captionOf(QWidget* widget) {
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        return Caption{label->text(), label->font(), label->contentsRect().width()};
    }
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        return Caption{button->text().remove(u'&'), button->font(), buttonRoom(button)};
    }
    if (auto* box = qobject_cast<QGroupBox*>(widget)) {
        QStyleOptionGroupBox option;
        option.initFrom(box);
        option.text = box->title();
        option.subControls = QStyle::SC_GroupBoxLabel;
        const QRect title = box->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                         QStyle::SC_GroupBoxLabel, box);
        return Caption{box->title(), box->font(), box->width() - 2 * title.left()};
    }
    return std::nullopt;
}

class CaptionFit : public ::testing::TestWithParam<ProgramLanguage> {};

TEST_P(CaptionFit, EveryCaptionFitsItsControlAtOnceAndTwiceTheSize) {
    const ProgramTranslators translators(GetParam());
    ThreadJob job;
    RecordingHost host;
    RecordingMessageBoxes messages;
    DataInputDialog dialog(job, host, messages);
    dialog.show();
    int checked = 0;
    for (QWidget* widget : dialog.findChildren<QWidget*>()) {
        const auto caption = captionOf(widget);
        if (!caption || caption->text.isEmpty()) {
            continue;
        }
        ++checked;
        for (const int scale : {1, 2}) {
            QFont font = caption->font;
            if (font.pixelSize() > 0) {
                font.setPixelSize(font.pixelSize() * scale);
            } else {
                font.setPointSizeF(font.pointSizeF() * scale);
            }
            const int needed = QFontMetrics(font).horizontalAdvance(caption->text);
            EXPECT_LE(needed, caption->room * scale)
                << widget->objectName().toStdString() << " \"" << caption->text.toStdString()
                << "\" at " << scale << "x";
        }
    }
    EXPECT_GE(checked, 27 + 9) << "every field's caption and every button and frame";
}

INSTANTIATE_TEST_SUITE_P(Languages, CaptionFit,
                         ::testing::Values(ProgramLanguage::Japanese, ProgramLanguage::English));

} // namespace
} // namespace quillmar::testing
