#include "tests/support/dialog_test_support.h"

#include "tests/support/modal_dialog_runner.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace quillmar::testing {

namespace {

// Plain keys for ASCII; anything else arrives as a Japanese input method commits it.
void typeKeys(QWidget* widget, const QString& text) {
    for (const QChar ch : text) {
        if (ch.unicode() < 0x80) {
            QTest::keyClicks(widget, QString(ch));
        } else {
            QInputMethodEvent commit;
            commit.setCommitString(QString(ch));
            QApplication::sendEvent(widget, &commit);
        }
    }
}

} // namespace

std::vector<std::pair<const char*, const char*>> workedExampleTyping() {
    return {{"Text2", "6"},    {"Text3", "1"},    {"Text1", "0.4"},  {"Text12", "30"},
            {"Text13", "0"},   {"Text14", "5"},   {"Text15", "-30"}, {"Text16", "0"},
            {"Text17", "28"},  {"Text4", "34"},   {"Text5", "30"},   {"Text18", "30"},
            {"Text6", "60"},   {"Text7", "60"},   {"Text8", "0.5"},  {"Text9", "0.5"},
            {"Text10", "0.5"}, {"Text11", "0.5"}, {"FEED0", "0.25"}, {"FEED1", "0.25"},
            {"FEED2", "0.25"}, {"FEED3", "0.25"}, {"FEED4", "0.25"}, {"FEED5", "0.25"},
            {"FEED6", "0.25"}, {"FEED7", "0.25"}};
}

void DialogTest::SetUp() {
    dialog = new DataInputDialog(job, host, messages);
    dialog->refillFromJob();
}

void DialogTest::TearDown() {
    delete dialog;
}

QLineEdit* DialogTest::field(const char* name) const {
    return control<QLineEdit>(name);
}

QString DialogTest::focusName() const {
    QWidget* focused = QApplication::focusWidget();
    return focused == nullptr ? QString() : focused->objectName();
}

void DialogTest::showActive() {
    dialog->show();
    QApplication::setActiveWindow(dialog);
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
}

void DialogTest::typeIntoFocus(const QString& text) {
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    typeKeys(QApplication::focusWidget(), text);
}

void DialogTest::pressKeyInFocus(Qt::Key key) {
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    QTest::keyClick(QApplication::focusWidget(), key);
}

void DialogTest::clickInto(const char* name) {
    QTest::mouseClick(field(name), Qt::LeftButton);
}

void DialogTest::typeInto(const char* name, const QString& text) {
    clickInto(name);
    ASSERT_EQ(focusName(), QString::fromLatin1(name));
    if (text.isEmpty()) {
        QTest::keyClick(field(name), Qt::Key_Delete);
    } else {
        typeKeys(field(name), text);
    }
}

void DialogTest::typeWorkedExample() {
    for (const auto& [name, text] : workedExampleTyping()) {
        typeInto(name, QString::fromLatin1(text));
    }
}

void DialogTest::clickButton(const char* name) {
    QTest::mouseClick(control<QPushButton>(name), Qt::LeftButton);
}

int DialogTest::openModalAndRun(const std::function<void()>& whileOpen) {
    bool ran = false;
    whenModalDialogShown(dialog, [this, &ran, &whileOpen](QDialog& shown) {
        ran = true;
        EXPECT_EQ(&shown, dialog);
        QApplication::setActiveWindow(dialog);
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog));
        whileOpen();
    });
    const int result = dialog->openModal();
    EXPECT_TRUE(ran);
    EXPECT_FALSE(dialog->isVisible());
    return result;
}

} // namespace quillmar::testing
