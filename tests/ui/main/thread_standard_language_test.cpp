// The "ねじ規格" dialog speaks the program's language: its figures and the form's notes
// in Japanese by default, in English when the program runs in English.

#include "ui/dialog/thread_standard_dialog.h"
#include "ui/main/settings/program_language.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace quillmar::testing {
namespace {

struct Spoken {
    ProgramLanguage language;
    const char* designation;
    const char* says; // a note the form makes, in that language
};

class ThreadStandardLanguage : public ::testing::TestWithParam<Spoken> {};

TEST_P(ThreadStandardLanguage, FiguresAndNotesAreInTheProgramsLanguage) {
    const Spoken& row = GetParam();
    const ProgramTranslators translators(row.language);
    QTemporaryDir folder;
    QSettings store(folder.filePath("settings.ini"), QSettings::IniFormat);
    ThreadStandardDialog asked(store, true);
    asked.show();
    QLineEdit* typed = asked.findChild<QComboBox*>("cboDesignation")->lineEdit();
    typed->selectAll();
    QTest::keyClicks(typed, QString::fromUtf8(row.designation));
    const QString figures = asked.findChild<QPlainTextEdit*>("txtFigures")->toPlainText();
    EXPECT_TRUE(figures.contains(QString::fromUtf8(row.says))) << figures.toStdString();
    if (row.language == ProgramLanguage::English) {
        for (const QChar c : figures) {
            EXPECT_LT(c.unicode(), 0x3000) << "untranslated in: " << figures.toStdString();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ThreadStandardLanguage,
    ::testing::Values(Spoken{ProgramLanguage::Japanese, "Tr40x7", "等級の指定なし: 7e を採用"},
                      Spoken{ProgramLanguage::English, "Tr40x7", "no class given: 7e taken"},
                      Spoken{ProgramLanguage::Japanese, "1-5 ACME", "谷の逃げは直径で 0.02 in."},
                      Spoken{ProgramLanguage::English, "1-5 ACME", "root clearance 0.02 in."},
                      Spoken{ProgramLanguage::English, "S40x7", "the 3° load flank is A1"},
                      Spoken{ProgramLanguage::English, "1/2-14 NPT", "taper 1:16"},
                      Spoken{ProgramLanguage::English, "M20x1.5-6g", "(R40 series)"},
                      // The family and every refusal of the catalogue, in the same language.
                      Spoken{ProgramLanguage::Japanese, "Tr40x7", "メートル台形ねじ  Tr40x7-7e"},
                      Spoken{ProgramLanguage::English, "Tr40x7", "ISO trapezoidal  Tr40x7-7e"},
                      Spoken{ProgramLanguage::Japanese, "M21",
                             "M21 はメートルねじの一般用の呼び (M1〜M150) にありません。"
                             "例: M20, M20x2.5"},
                      Spoken{ProgramLanguage::English, "M21",
                             "M21 is not a size of the ISO metric general plan (M1 to M150)."},
                      Spoken{ProgramLanguage::Japanese, "1/2-16 UNC",
                             "1/2 UNC に 1 インチあたり 16 山はありません: この呼びのねじは "
                             "1/2-13 UNC です"},
                      Spoken{ProgramLanguage::English, "Q1", "Pipe parallel: G1/2; Unified"},
                      Spoken{ProgramLanguage::Japanese, "Q1", "管用平行ねじ: G1/2; ユニファイねじ"},
                      Spoken{ProgramLanguage::English, "R1/2",
                             "gauge plane: L1 = 8.2 mm from the small end, pitch diameters "
                             "E0 = 19.2808 mm and E1 = 19.7933 mm, tolerance ±1.8143 mm along the "
                             "axis (1 × the pitch)"},
                      Spoken{ProgramLanguage::Japanese, "Rd40x1/6", "等級の指定なし: 7h を採用"},
                      Spoken{ProgramLanguage::English, "Rd40x1/6", "class 7h: its limits are"}));

} // namespace
} // namespace quillmar::testing
