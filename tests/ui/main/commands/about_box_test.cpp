#include "tests/support/main_window_test_support.h"
#include "tests/support/modal_dialog_runner.h"
#include "ui/main/commands/about_box.h"
#include "ui/main/editor/output_pane.h"
#include "ui/paint/picture_box.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

namespace quillmar::testing {
namespace {

class AboutBoxTest : public MainWindowTest {
protected:
    // The About box finds the system information program on this PATH only.
    void SetUp() override {
        MainWindowTest::SetUp();
        savedPath_ = qgetenv("PATH");
        qputenv("PATH", fakePath.path().toLocal8Bit());
    }
    void TearDown() override {
        qputenv("PATH", savedPath_);
        MainWindowTest::TearDown();
    }
    QTemporaryDir fakePath;
    QByteArray savedPath_;

    // Opens the About box from the Help menu and runs whileOpen inside its modal loop.
    void openAboutAndRun(const std::function<void(QDialog&)>& whileOpen) {
        bool ran = false;
        whenModalDialogShown(window.get(), [&](QDialog& shown) {
            auto* about = &shown;
            ASSERT_EQ(about->objectName(), QStringLiteral("frmAbout"));
            ran = true;
            QApplication::setActiveWindow(about);
            EXPECT_TRUE(QTest::qWaitForWindowActive(about));
            whileOpen(*about);
            if (about->isVisible()) {
                about->reject();
            }
        });
        trigger("mnuHelpAbout");
        EXPECT_TRUE(ran);
        EXPECT_EQ(window->findChild<QDialog*>(QStringLiteral("frmAbout")), nullptr);
    }
    static QString labelText(QDialog& about, const char* name) {
        return about.findChild<QLabel*>(QString::fromLatin1(name))->text();
    }
    static QPushButton* button(QDialog& about, const char* name) {
        return about.findChild<QPushButton*>(QString::fromLatin1(name));
    }
    void blankBothPictures() {
        for (const char* name : {"Picture1", "Picture2"}) {
            picture(name)->surface().setBackground(Colour::named(SystemColour::ButtonFace));
            picture(name)->surface().clear();
        }
    }
};

TEST_F(AboutBoxTest, ShowsTheTitleTheVersionAndItsTwoButtons) {
    openAboutAndRun([](QDialog& about) {
        EXPECT_EQ(about.windowTitle(), QStringLiteral("Quillmar information"));
        EXPECT_EQ(labelText(about, "lblTitle"), QStringLiteral("Quillmar"));
        EXPECT_EQ(labelText(about, "lblVersion"), QStringLiteral("Ver. 1.1.2"));
        EXPECT_FALSE(labelText(about, "lblDescription").isEmpty());
        EXPECT_FALSE(about.findChild<QLabel*>(QStringLiteral("picIcon"))->pixmap().isNull());
        EXPECT_EQ(button(about, "cmdOK")->text(), QStringLiteral("O   K"));
        EXPECT_TRUE(button(about, "cmdOK")->isDefault());
        EXPECT_EQ(button(about, "cmdSysInfo")->text(), QStringLiteral("System Inf.(&S)..."));
        EXPECT_EQ(QApplication::focusWidget(), button(about, "cmdOK"));
        EXPECT_TRUE(about.isModal());
    });
}

TEST_F(AboutBoxTest, OkEscAndEnterEachCloseIt) {
    openAboutAndRun(
        [](QDialog& about) { QTest::mouseClick(button(about, "cmdOK"), Qt::LeftButton); });
    openAboutAndRun([](QDialog& about) { QTest::keyClick(&about, Qt::Key_Escape); });
    openAboutAndRun([](QDialog& about) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        EXPECT_FALSE(about.isVisible());
    });
}

TEST_F(AboutBoxTest, EnterOnSystemInfoPressesItAndTheBoxStaysOpen) {
    openAboutAndRun([this](QDialog& about) {
        button(about, "cmdSysInfo")->setFocus();
        QTest::keyClick(button(about, "cmdSysInfo"), Qt::Key_Return);
        EXPECT_TRUE(about.isVisible());
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].text, QStringLiteral("現時点ではｼｽﾃﾑ情報を使用できません"));
        EXPECT_EQ(messages.shown[0].title, QStringLiteral("Quillmar"));
        EXPECT_EQ(messages.shown[0].icon, MessageIcon::None);
        QTest::keyClick(&about, Qt::Key_Escape);
        EXPECT_FALSE(about.isVisible());
    });
    EXPECT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(starter.started.empty());
}

TEST_F(AboutBoxTest, SystemInfoStartsTheDesktopsProgramFoundOnThePath) {
    QFile tool(fakePath.filePath(QStringLiteral("kinfocenter")));
    ASSERT_TRUE(tool.open(QIODevice::WriteOnly));
    tool.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    openAboutAndRun([](QDialog& about) {
        QTest::mouseClick(button(about, "cmdSysInfo"), Qt::LeftButton);
        EXPECT_TRUE(about.isVisible());
    });
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(starter.started, std::vector<QString>{tool.fileName()});
}

TEST_F(AboutBoxTest, ClosingWithBothPanesEmptyRedrawsNeither) {
    blankBothPictures();
    openAboutAndRun([](QDialog&) {});
    EXPECT_TRUE(isBlankButtonFace(*picture("Picture1")));
    EXPECT_TRUE(isBlankButtonFace(*picture("Picture2")));
}

TEST_F(AboutBoxTest, ClosingRedrawsOnlyTheGraphicsOfPanesWithText) {
    outputWorkedExample();
    pane("txtDataA")->setProgramText(QString());
    blankBothPictures();
    openAboutAndRun([](QDialog&) {});
    EXPECT_TRUE(isBlankButtonFace(*picture("Picture1")));
    EXPECT_FALSE(isBlankButtonFace(*picture("Picture2")));

    pane("txtDataA")->setProgramText(QStringLiteral("N001 X32 Z17.7\r\n"));
    blankBothPictures();
    openAboutAndRun([](QDialog& about) { QTest::keyClick(&about, Qt::Key_Escape); });
    EXPECT_FALSE(isBlankButtonFace(*picture("Picture1")));
    EXPECT_FALSE(isBlankButtonFace(*picture("Picture2")));
}

} // namespace
} // namespace quillmar::testing
