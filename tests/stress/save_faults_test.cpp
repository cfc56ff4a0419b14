#include "tests/stress/failing_rename.h"
#include "tests/support/window_fixture.h"
#include "ui/main/editor/output_pane.h"

#include <QDir>
#include <QFile>

namespace quillmar::testing {
namespace {

const QByteArray kOldFile = "N1 G00 X30 Z5\r\nN2 G32 Z-30 F6\r\n";

// A standard program of about the given size in bytes.
QString programOfSize(int bytes) {
    QString text;
    for (int pass = 1; text.size() < bytes; ++pass) {
        text += QStringLiteral("N%1 G00 X30.07 Z10.75\r\nG32 Z-30 F6\r\nG00 X28\r\n").arg(pass);
    }
    return text;
}

class SaveFaults : public StressWindowTest {
protected:
    void SetUp() override {
        window = start();
        ASSERT_NE(window, nullptr);
        QFile old(target());
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write(kOldFile);
    }
    void TearDown() override {
        setRenamesFail(false);
        if (window) {
            closeAndDestroy(window);
        }
    }

    QString target() const { return path("THREAD.NC"); }

    // The user clicks into the standard program pane holding the text and saves it
    // under the given name.
    void save(const QString& text, const QString& fileName) {
        auto* pane = window->findChild<OutputPane*>(QStringLiteral("txtDataB"));
        ASSERT_NE(pane, nullptr);
        pane->setProgramText(text);
        pane->setFocus(Qt::MouseFocusReason);
        ASSERT_EQ(window->focusWidget(), pane);
        saveDialog.answer = fileName;
        window->saveCommand();
    }

    static QByteArray contentOf(const QString& file) {
        QFile in(file);
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray("(unreadable)");
    }
    QStringList filesInFolder() const {
        return QDir(folder.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
    }

    // Exactly one "Save error" box that names the file.
    void expectToldAbout(const QString& fileName) {
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].title, QStringLiteral("Save error"));
        EXPECT_TRUE(messages.shown[0].text.contains(QDir::toNativeSeparators(fileName)))
            << messages.shown[0].text.toStdString();
    }

    std::unique_ptr<MainWindow> window;
};

TEST_F(SaveFaults, WithoutAFaultTheFileIsReplacedByThePaneAndALineEnd) {
    const QString text = programOfSize(200000);
    save(text, target());
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(contentOf(target()), text.toLatin1() + "\r\n");
}

// Root may write anywhere, but not below a regular file.
TEST_F(SaveFaults, AFolderThatCannotBeWrittenLeavesEverythingAsItWas) {
    const QString blocker = path("not-a-folder");
    QFile file(blocker);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("a file");
    file.close();
    const QStringList before = filesInFolder();

    save(QStringLiteral("G00 X30\r\n"), blocker + QStringLiteral("/THREAD.NC"));
    expectToldAbout(blocker + QStringLiteral("/THREAD.NC"));
    EXPECT_EQ(contentOf(blocker), "a file");
    EXPECT_EQ(filesInFolder(), before);
}

TEST_F(SaveFaults, ASaveInterruptedBetweenWritingAndRenamingLeavesTheOldFileIntact) {
    const QStringList before = filesInFolder();
    setRenamesFail(true);
    save(programOfSize(4096), target());
    setRenamesFail(false);

    expectToldAbout(target());
    EXPECT_EQ(contentOf(target()), kOldFile);
    EXPECT_EQ(filesInFolder(), before) << "the written temporary file was left behind";

    // The next save, with nothing in the way, works.
    messages.shown.clear();
    save(QStringLiteral("G00 X30"), target());
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(contentOf(target()), "G00 X30\r\n");
}

} // namespace
} // namespace quillmar::testing
