#include "core/job_fields.h"
#include "tests/support/main_window_test_support.h"
#include "ui/dialog/utf8_text.h"
#include "ui/main/editor/output_pane.h"
#include "ui/main/settings/program_language.h"
#include "ui/seams/setting_keys.h"
#include "ui/simulation/chip_chart.h"
#include "ui/simulation/simulation_window.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QToolBar>
#include <QtCharts/QAbstractAxis>
#include <algorithm>
#include <optional>

namespace quillmar::testing {
namespace {

class Language : public MainWindowTest {
protected:
    QStringList menuBarCaptions() const {
        QStringList shown;
        for (const QAction* action : window->menuBar()->actions()) {
            shown.append(action->text());
        }
        return shown;
    }
    QString caption(const char* name) const {
        return window->findChild<QAction*>(QString::fromLatin1(name))->text();
    }
    // Both panes after a program output and after each sample.
    QStringList programs() {
        QStringList texts;
        outputWorkedExample();
        for (const char* command :
             {"", "ExampleOspMacro", "ExampleOspStandard", "ExampleFanucStandard"}) {
            if (*command != '\0') {
                trigger(command);
            }
            texts << pane("txtDataA")->programText().toString()
                  << pane("txtDataB")->programText().toString();
        }
        return texts;
    }
    void startIn(ProgramLanguage language) {
        window.reset();
        translators.reset();
        translators.emplace(language);
        openWindow();
    }
    std::optional<ProgramTranslators> translators;
};

TEST_F(Language, EnglishChangesTheCaptionsAndNotAByteOfTheProgramsJapaneseIsTheDefault) {
    startIn(SettingsStore(settings()).value(setting::kLanguage)); // nothing stored: Japanese
    EXPECT_EQ(menuBarCaptions(),
              (QStringList{"ファイル(&F)", "編集(&E)", "サンプル", "ツール(&T)", "ヘルプ(&H)"}));
    const QStringList japanesePrograms = programs();
    // Qt's own buttons speak Japanese too.
    QDialogButtonBox buttons(QDialogButtonBox::Cancel);
    EXPECT_EQ(buttons.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("キャンセル"));

    startIn(ProgramLanguage::English);
    EXPECT_EQ(menuBarCaptions(), (QStringList{"&File", "&Edit", "Samples", "&Tools", "&Help"}));
    EXPECT_EQ(caption("mnuFileOpen"), QStringLiteral("&Open..."));
    EXPECT_EQ(caption("mnuToolsLanguage"), QStringLiteral("Language"));
    EXPECT_EQ(caption("ExampleFanucStandard"), QStringLiteral("FANUC"));
    auto* toolbar = window->findChild<QToolBar*>(QStringLiteral("tbToolBar"));
    EXPECT_EQ(toolbar->actions().first()->toolTip(), QStringLiteral("Clear all data"));
    EXPECT_EQ(programs(), japanesePrograms);
    // The Open error too.
    saveDialog.openAnswer = QDir::tempPath(); // a folder
    trigger("mnuFileOpen");
    ASSERT_FALSE(messages.shown.empty());
    EXPECT_EQ(messages.shown.back().title, QStringLiteral("Open error"));
    EXPECT_TRUE(messages.shown.back().text.endsWith(
        QStringLiteral("could not be opened: it is a folder.\nThe pane was left as it was.")))
        << messages.shown.back().text.toStdString();
    // And a Save error that explains a failed write; the fixed ones stay as they are.
    clickInto(pane("txtDataB"));
    saveDialog.answer = QDir::temp().filePath(QStringLiteral("no such folder/PROG.NC"));
    trigger("mnuFileSave");
    EXPECT_EQ(messages.shown.back().title, QStringLiteral("Save error"));
    EXPECT_TRUE(messages.shown.back().text.endsWith(
        QStringLiteral("\nAny file of that name was left as it was.")))
        << messages.shown.back().text.toStdString();
    // Every Japanese caption of the field table has its English.
    for (const JobFieldInfo& info : kJobFields) {
        const QString japanese = QString::fromUtf8(info.caption.data(), info.caption.size());
        if (japanese.toLatin1() != japanese.toUtf8()) {
            EXPECT_NE(captionText(info.caption), japanese) << info.caption;
        }
    }
}

// The words of the cut simulation window: its title, every caption, message and figure,
// and the chart's axes.
QStringList simulationTexts(const SimulationWindow& simulation) {
    QStringList shown{simulation.windowTitle()};
    for (const QLabel* label : simulation.findChildren<QLabel*>()) {
        shown << label->text();
    }
    for (const QPushButton* button : simulation.findChildren<QPushButton*>()) {
        shown << button->text();
    }
    for (const QAbstractAxis* axis : simulation.findChild<ChipChart*>()->chart()->axes()) {
        shown << axis->titleText();
    }
    return shown;
}

bool hasJapanese(const QString& text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 0x3000; });
}

TEST_F(Language, TheCutSimulationWindowSpeaksEnglish) {
    startIn(ProgramLanguage::English);
    EXPECT_EQ(caption("mnuToolsSimulation"), QStringLiteral("Cut simulation"));
    outputWorkedExample();
    trigger("mnuFileNew"); // the job stays, the panes start again
    trigger("mnuToolsSimulation");
    auto* simulation = window->findChild<SimulationWindow*>(QStringLiteral("frmSimulation"));
    ASSERT_NE(simulation, nullptr);
    auto* message = simulation->findChild<QLabel*>(QStringLiteral("lblPlanMessage"));
    auto* limit = simulation->findChild<QLineEdit*>(QStringLiteral("txtMaxChipArea"));
    auto* plan = simulation->findChild<QPushButton*>(QStringLiteral("cmdPlan"));
    QTest::keyClicks(limit, "0.3x");
    QTest::mouseClick(plan, Qt::LeftButton);
    EXPECT_EQ(message->text(),
              QStringLiteral("Largest chip \"0.3x\" is not a number (mm², e.g. 0.3)"));
    limit->clear();
    QTest::keyClicks(limit, "0.3");
    QTest::mouseClick(plan, Qt::LeftButton);
    ASSERT_TRUE(waitUntil([&] { return message->text().startsWith(QStringLiteral("Runs: ")); }))
        << message->text().toStdString();
    ASSERT_TRUE(waitUntil([&] { return !simulation->working(); }));

    EXPECT_EQ(simulation->windowTitle(), QStringLiteral("Cut simulation"));
    EXPECT_EQ(plan->text(), QStringLiteral("Plan roughing"));
    auto* figures = simulation->findChild<QLabel*>(QStringLiteral("lblFigures"));
    EXPECT_TRUE(figures->text().contains(QStringLiteral("Passes over 0.3000 mm²: 0")))
        << figures->text().toStdString();
    for (const QString& text : simulationTexts(*simulation)) {
        EXPECT_FALSE(hasJapanese(text)) << text.toStdString();
    }
    simulation->simulateNow(); // shown at once, delivered only back in the event loop
    EXPECT_TRUE(figures->text().startsWith(QStringLiteral("Simulating\n")));
}

TEST_F(Language, TheChoiceIsRememberedAndAppliesFromTheNextStart) {
    EXPECT_TRUE(window->findChild<QAction*>(QStringLiteral("mnuLanguageJapanese"))->isChecked());
    trigger("mnuLanguageEnglish");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("表示言語は次回の起動から変わります。"));
    EXPECT_EQ(caption("mnuFileNew"), QStringLiteral("新規(&N)")); // not before the restart
    window->close();
    settings().sync();
    EXPECT_EQ(SettingsStore(settings()).value(setting::kLanguage), ProgramLanguage::English);
    openWindow();
    EXPECT_TRUE(window->findChild<QAction*>(QStringLiteral("mnuLanguageEnglish"))->isChecked());
}

} // namespace
} // namespace quillmar::testing
