#include "tests/support/dialog_test_support.h"
#include "tests/support/modal_dialog_runner.h"
#include "ui/dialog/groove_preview.h"
#include "ui/dialog/thread_standard_dialog.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace quillmar::testing {
namespace {

// The window's way of asking: a real "ねじ規格" dialog over the settings store.
class StandardHost : public RecordingHost {
public:
    explicit StandardHost(QSettings& store) : store_(store) {}
    std::optional<ThreadStandardFill> askThreadStandard(QWidget* parent,
                                                        const DialogSnapshot& form) override {
        ThreadStandardDialog asked(store_, form.choices.side == Side::Outer, parent, form);
        if (asked.exec() != QDialog::Accepted) {
            return std::nullopt;
        }
        return asked.fill();
    }

private:
    QSettings& store_;
};

class ThreadStandard : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        store = std::make_unique<QSettings>(folder.filePath("settings.ini"), QSettings::IniFormat);
        host = std::make_unique<StandardHost>(*store);
        dialog = std::make_unique<DataInputDialog>(job, *host, messages);
        dialog->refillFromJob();
        dialog->show();
        QApplication::setActiveWindow(dialog.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    }

    template <typename Widget> static Widget* in(QWidget& parent, const char* name) {
        auto* widget = parent.findChild<Widget*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    QString text(const char* field) const { return in<QLineEdit>(*dialog, field)->text(); }

    // Presses "ねじ規格..." and works the dialog that opens, as a user does.
    void askForThread(const std::function<void(QDialog&)>& whileOpen) {
        bool ran = false;
        whenModalDialogShown(dialog.get(), [&](QDialog& shown) {
            ran = true;
            EXPECT_EQ(shown.objectName(), "frmThreadStandard");
            whileOpen(shown);
        });
        QTest::mouseClick(in<QPushButton>(*dialog, "cmdThreadStandard"), Qt::LeftButton);
        EXPECT_TRUE(ran);
    }

    // Clicks a choice on its round indicator, where a user clicks.
    static void choose(QDialog& asked, const char* name) {
        auto* button = in<QRadioButton>(asked, name);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
        EXPECT_TRUE(button->isChecked()) << name;
    }

    // Types over a box's text.
    static void typeOver(QLineEdit* box, const QString& typed) {
        box->setFocus();
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, typed);
    }

    static void describe(QDialog& asked, const QString& designation, const QString& nose,
                         const QString& cusp) {
        typeOver(in<QComboBox>(asked, "cboDesignation")->lineEdit(), designation);
        typeOver(in<QLineEdit>(asked, "txtNoseRadius"), nose);
        typeOver(in<QLineEdit>(asked, "txtCusp"), cusp);
    }

    QTemporaryDir folder;
    std::unique_ptr<QSettings> store;
    std::unique_ptr<StandardHost> host;
    ThreadJob job;
    RecordingMessageBoxes messages;
    std::unique_ptr<DataInputDialog> dialog;
};

TEST_F(ThreadStandard, OkFillsTheFormAsIfTyped) {
    askForThread([](QDialog& asked) {
        choose(asked, "optOuter");
        describe(asked, "Tr 40 x 7", "0.3", "0.02");
        EXPECT_TRUE(in<QPlainTextEdit>(asked, "txtFigures")->toPlainText().contains("Tr40x7-7e"));
        // The groove is drawn to scale: the nose centre goes as deep as the groove.
        const QRectF drawn = in<GroovePreview>(asked, "picGroove")->noseCentrePath().boundingRect();
        EXPECT_NEAR(drawn.height(), (39.7875 - 31.71563) / 2, 0.001);
        QTest::mouseClick(in<QPushButton>(asked, "cmdOK"), Qt::LeftButton);
    });
    EXPECT_TRUE(in<QRadioButton>(*dialog, "Option1")->isChecked());
    EXPECT_EQ(text("Text2"), "7");
    EXPECT_EQ(text("Text4"), "39.7875");
    EXPECT_EQ(text("Text6"), "75");
    EXPECT_EQ(text("Text9"), "0.5");
    EXPECT_EQ(text("Text1"), "0.3");
    EXPECT_FALSE(text("FEED0").isEmpty());
    EXPECT_EQ(text("Text14"), ""); // Z start stays the user's
}

TEST_F(ThreadStandard, CancelChangesNothing) {
    in<QLineEdit>(*dialog, "Text2")->setText("6");
    askForThread([](QDialog& asked) {
        describe(asked, "M20", "0.2", "");
        QTest::mouseClick(in<QPushButton>(asked, "cmdCancel"), Qt::LeftButton);
    });
    EXPECT_EQ(text("Text2"), "6");
    EXPECT_EQ(text("Text4"), "");
    EXPECT_TRUE(in<QRadioButton>(*dialog, "Option2")->isChecked());
}

// Each row: what is typed, and what the figures say instead of a groove (OK disabled,
// no figure of a groove that cannot be made), or "" where the groove is shown.
TEST_F(ThreadStandard, WhatCannotBeMadeIsExplainedAndOffersNoOk) {
    struct Row {
        const char* designation;
        const char* nose;
        const char* cusp;
        const char* says;
    };
    const Row rows[] = {
        {"M20", "0.5", "", "使える最大のノーズR は 0.36 mm です。"},
        {"0-5 ACME", "0.1", "", "0 は ACME シリーズの呼び (1/4 in. 以上) より小さい値です"},
        {"1/64-12 UN", "0.1", "", "1/64 は UN シリーズの呼び (#0, 0.060 in. 以上)"},
        {"Tr40x7", "0.3", "1e-2x", "カスプ高さ \"1e-2x\" は数ではありません"},
        {"Tr40x7", "0.3", "2e-2", ""}, // read whole, as 0.02
        {"Tr40x7", "0.3", "0.05", "収まる最大の削り残しは 0.0459 mm です"},
    };
    askForThread([&](QDialog& asked) {
        choose(asked, "optOuter");
        for (const Row& row : rows) {
            describe(asked, row.designation, row.nose, row.cusp);
            const QString figures = in<QPlainTextEdit>(asked, "txtFigures")->toPlainText();
            EXPECT_EQ(in<QPushButton>(asked, "cmdOK")->isEnabled(), *row.says == 0)
                << row.designation;
            EXPECT_TRUE(figures.contains(QString::fromUtf8(row.says))) << figures.toStdString();
            EXPECT_FALSE(figures.contains(QStringLiteral(" -"))) << figures.toStdString();
        }
        QTest::mouseClick(in<QPushButton>(asked, "cmdCancel"), Qt::LeftButton);
    });
    EXPECT_EQ(text("Text2"), "");
}

TEST_F(ThreadStandard, TheLastChoicesAreOfferedAgain) {
    askForThread([](QDialog& asked) {
        describe(asked, "G 1 1/2", "0.2", "0.01");
        QTest::mouseClick(in<QPushButton>(asked, "cmdOK"), Qt::LeftButton);
    });
    askForThread([](QDialog& asked) {
        EXPECT_EQ(in<QComboBox>(asked, "cboDesignation")->currentText(), "G 1 1/2");
        EXPECT_EQ(in<QLineEdit>(asked, "txtNoseRadius")->text(), "0.2");
        EXPECT_EQ(in<QLineEdit>(asked, "txtCusp")->text(), "0.01");
        QTest::mouseClick(in<QPushButton>(asked, "cmdCancel"), Qt::LeftButton);
    });
}

// Typing a thread of another family turns the family box to it and offers that family's
// classes for the side; every figure is drawn in the one face.
TEST_F(ThreadStandard, FollowsTheFamilyTypedAndOffersItsClasses) {
    struct Row {
        const char* designation;
        const char* side;
        const char* family;
        const char* classes; // the class box's offer, as its placeholder shows it
    };
    const Row rows[] = {
        {"Tr40x7", "optOuter", "メートル台形ねじ", "7e, 8e, 9e"},
        {"Tr40x7", "optInner", "メートル台形ねじ", "7H, 8H, 9H"},
        {"1-5 ACME", "optOuter", "アクメねじ", "2G, 3G, 4G"},
        {"1/2-13 UNC", "optInner", "ユニファイねじ", "2B, 1B, 3B"},
        {"M20", "optOuter", "メートルねじ", "6g, 6h, 6e, 6f, 4h, 4g6g, 8g"},
        {"1/2 BSW", "optOuter", "ウイットねじ", "等級なし"},
    };
    askForThread([&](QDialog& asked) {
        auto* family = in<QComboBox>(asked, "cboFamily");
        auto* classBox = in<QLineEdit>(asked, "txtClass");
        for (const Row& row : rows) {
            choose(asked, row.side);
            describe(asked, row.designation, "0.1", "");
            EXPECT_EQ(family->currentText(), QString::fromUtf8(row.family)) << row.designation;
            EXPECT_EQ(in<QComboBox>(asked, "cboDesignation")->currentText(), row.designation);
            EXPECT_EQ(classBox->placeholderText(), QString::fromUtf8(row.classes));
            const auto* figures = in<QPlainTextEdit>(asked, "txtFigures");
            const QFontMetrics face(figures->font());
            for (const QChar c : figures->toPlainText()) {
                EXPECT_TRUE(c.isSpace() || face.inFont(c))
                    << row.designation << " U+" << static_cast<int>(c.unicode());
            }
        }
        describe(asked, "1-5 ACME", "0.1", "");
        typeOver(classBox, QStringLiteral("3"));
        const QAbstractItemView* offered = classBox->completer()->popup();
        ASSERT_TRUE(offered->isVisible());
        EXPECT_EQ(offered->model()->rowCount(), 1);
        EXPECT_EQ(offered->model()->index(0, 0).data().toString(), "3G");
        QTest::mouseClick(in<QPushButton>(asked, "cmdCancel"), Qt::LeftButton);
    });
}

// "荒加工計画" plans the roughing runs of the thread over the rest of the form: a limit
// that cannot be met is said in the dialog, one that can fills the panes with every run.
TEST_F(ThreadStandard, PlansTheRoughingRunsOfTheThreadChosen) {
    for (const auto& [name, typed] : workedExampleTyping()) {
        in<QLineEdit>(*dialog, name)->setText(QString::fromLatin1(typed));
    }
    struct Row {
        const char* limit;
        const char* says; // "" where the plan is made
    };
    const Row rows[] = {
        {"abc", "最大切りくず面積 \"abc\" は数ではありません"},
        {"0", "荒加工計画できません: 上限は 0 より大きく"},
        {"0.0001", "荒加工計画できません: 0.001 mm の差でも"},
        {"0.1", ""},
    };
    askForThread([&](QDialog& asked) {
        choose(asked, "optInner");
        describe(asked, "Tr40x7", "0.3", "0.02");
        auto* message = in<QLabel>(asked, "lblPlanMessage");
        for (const Row& row : rows) {
            typeOver(in<QLineEdit>(asked, "txtMaxChipArea"), QString::fromLatin1(row.limit));
            message->clear();
            QTest::mouseClick(in<QPushButton>(asked, "cmdPlan"), Qt::LeftButton);
            EXPECT_TRUE(QTest::qWaitFor([&] {
                return asked.isHidden() || !in<QProgressBar>(asked, "prgPlan")->isVisible();
            }));
            EXPECT_EQ(asked.isHidden(), *row.says == 0) << row.limit;
            EXPECT_TRUE(*row.says == 0 ? message->text().isEmpty()
                                       : message->text().startsWith(QString::fromUtf8(row.says)))
                << row.limit << ": " << message->text().toStdString();
        }
    });
    // Every planned run went into the panes, each block followed by its empty line.
    EXPECT_TRUE(dialog->isHidden());
    const std::string macro = host->panes.paneText(Pane::Macro);
    std::size_t runs = 0;
    for (std::size_t at = macro.find("\r\n\r\n"); at != std::string::npos;
         at = macro.find("\r\n\r\n", at + 1)) {
        ++runs;
    }
    EXPECT_GT(runs, 1u);
    EXPECT_EQ(text("Text13"), "0"); // the user's own finish allowance stays
}

// The button found free space: it overlaps no control of the form but the diagram.
TEST_F(ThreadStandard, TheButtonMovesNoControl) {
    const QRect button = in<QPushButton>(*dialog, "cmdThreadStandard")->geometry();
    for (const QWidget* control : dialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (control->objectName() == "cmdThreadStandard" || control->objectName() == "Diagram") {
            continue;
        }
        EXPECT_FALSE(control->geometry().intersects(button)) << control->objectName().toStdString();
    }
}

} // namespace
} // namespace quillmar::testing
