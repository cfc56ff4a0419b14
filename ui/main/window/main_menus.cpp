#include "ui/main/window/main_menus.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QMenuBar>

namespace quillmar {

namespace {

struct MenuTexts {
    Q_DECLARE_TR_FUNCTIONS(MainMenus)
};

QMenu* menu(QMenuBar& bar, const char* name, const QString& caption) {
    QMenu* result = bar.addMenu(caption);
    result->setObjectName(QString::fromLatin1(name));
    result->menuAction()->setObjectName(QString::fromLatin1(name));
    return result;
}

QAction* item(QMenu* menu, const char* name, const QString& caption,
              const QKeySequence& shortcut = {}) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    // The shortcut belongs to the whole window, the panes included.
    action->setShortcutContext(Qt::WindowShortcut);
    return action;
}

} // namespace

MainMenus buildMainMenus(QMenuBar& bar) {
    MainMenus m;
    m.file = menu(bar, "mnuFile", MenuTexts::tr("ファイル(&F)"));
    m.fileNew =
        item(m.file, "mnuFileNew", MenuTexts::tr("新規(&N)"), QKeySequence(Qt::CTRL | Qt::Key_N));
    m.square = item(m.file, "mnuSquare", MenuTexts::tr("データ入力"));
    m.fileSave = item(m.file, "mnuFileSave", MenuTexts::tr("保存"));
    m.fileOpen = item(m.file, "mnuFileOpen", MenuTexts::tr("開く(&O)..."),
                      QKeySequence(Qt::CTRL | Qt::Key_O));
    m.fileRecent = m.file->addMenu(MenuTexts::tr("最近使ったファイル"));
    m.fileRecent->setObjectName(QStringLiteral("mnuFileRecent"));
    m.fileRecent->menuAction()->setObjectName(QStringLiteral("mnuFileRecent"));
    m.file->addSeparator()->setObjectName(QStringLiteral("mnuFileBar2"));
    m.fileExit = item(m.file, "mnuFileExit", MenuTexts::tr("終了(&X)"));

    m.edit = menu(bar, "mnuEdit", MenuTexts::tr("編集(&E)"));
    m.editUndo = item(m.edit, "mnuEditUndo", MenuTexts::tr("元に戻す"));
    m.editCut = item(m.edit, "mnuEditCut", MenuTexts::tr("切り取り"));
    m.editCopy = item(m.edit, "mnuEditCopy", MenuTexts::tr("コピー"));
    m.editCopyAll = item(m.edit, "mnuEditCopyAll", MenuTexts::tr("全コピー"),
                         QKeySequence(Qt::CTRL | Qt::Key_A));
    m.editPaste = item(m.edit, "mnuEditPaste", MenuTexts::tr("貼り付け"));

    m.example = menu(bar, "mnuExample", MenuTexts::tr("サンプル"));
    m.exampleOspMacro = item(m.example, "ExampleOspMacro", MenuTexts::tr("OSP マクロ"));
    m.exampleOspStandard = item(m.example, "ExampleOspStandard", MenuTexts::tr("OSP 標準"));
    m.exampleFanucStandard = item(m.example, "ExampleFanucStandard", QStringLiteral("FANUC"));

    m.help = menu(bar, "mnuHelp", MenuTexts::tr("ヘルプ(&H)"));
    m.helpAbout = item(m.help, "mnuHelpAbout", MenuTexts::tr("Quillmarについて(&A)"));

    m.tools = toolsMenu(bar);
    m.toolsThreadStandard = item(m.tools, "mnuThreadStandard", MenuTexts::tr("ねじ規格"));
    m.toolsSimulation = item(m.tools, "mnuToolsSimulation", MenuTexts::tr("切削シミュレーション"));
    m.toolsLanguage = m.tools->addMenu(MenuTexts::tr("表示言語"));
    m.toolsLanguage->setObjectName(QStringLiteral("mnuToolsLanguage"));
    m.toolsLanguage->menuAction()->setObjectName(QStringLiteral("mnuToolsLanguage"));
    // Each language is named in its own language.
    m.languageJapanese = item(m.toolsLanguage, "mnuLanguageJapanese", QStringLiteral("日本語"));
    m.languageEnglish = item(m.toolsLanguage, "mnuLanguageEnglish", QStringLiteral("English"));
    auto* languages = new QActionGroup(m.toolsLanguage);
    for (QAction* language : {m.languageJapanese, m.languageEnglish}) {
        language->setCheckable(true);
        languages->addAction(language);
    }
    m.toolsMachine = item(m.tools, "mnuToolsMachine", MenuTexts::tr("機械の設定..."));
    return m;
}

QMenu* toolsMenu(QMenuBar& bar) {
    if (auto* existing = bar.findChild<QMenu*>(QStringLiteral("mnuTools"))) {
        return existing;
    }
    QAction* before = nullptr;
    if (const auto* help = bar.findChild<QMenu*>(QStringLiteral("mnuHelp"))) {
        before = help->menuAction();
    }
    auto* tools = new QMenu(MenuTexts::tr("ツール(&T)"), &bar);
    tools->setObjectName(QStringLiteral("mnuTools"));
    tools->menuAction()->setObjectName(QStringLiteral("mnuTools"));
    bar.insertMenu(before, tools);
    return tools;
}

} // namespace quillmar
