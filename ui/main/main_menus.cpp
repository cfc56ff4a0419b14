#include "ui/main/main_menus.h"

#include <QMenuBar>

namespace quillmar {

namespace {

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
    m.file = menu(bar, "mnuFile", QStringLiteral("ファイル(&F)"));
    m.fileNew =
        item(m.file, "mnuFileNew", QStringLiteral("新規(&N)"), QKeySequence(Qt::CTRL | Qt::Key_N));
    m.square = item(m.file, "mnuSquare", QStringLiteral("データ入力"));
    m.fileSave = item(m.file, "mnuFileSave", QStringLiteral("保存"));
    m.fileOpen = item(m.file, "mnuFileOpen", QStringLiteral("開く(&O)..."),
                      QKeySequence(Qt::CTRL | Qt::Key_O));
    m.fileRecent = m.file->addMenu(QStringLiteral("最近使ったファイル"));
    m.fileRecent->setObjectName(QStringLiteral("mnuFileRecent"));
    m.fileRecent->menuAction()->setObjectName(QStringLiteral("mnuFileRecent"));
    m.file->addSeparator()->setObjectName(QStringLiteral("mnuFileBar2"));
    m.fileExit = item(m.file, "mnuFileExit", QStringLiteral("終了(&X)"));

    m.edit = menu(bar, "mnuEdit", QStringLiteral("編集(&E)"));
    m.editUndo = item(m.edit, "mnuEditUndo", QStringLiteral("元に戻す"));
    m.editCut = item(m.edit, "mnuEditCut", QStringLiteral("切り取り"));
    m.editCopy = item(m.edit, "mnuEditCopy", QStringLiteral("コピー"));
    m.editCopyAll = item(m.edit, "mnuEditCopyAll", QStringLiteral("全コピー"),
                         QKeySequence(Qt::CTRL | Qt::Key_A));
    m.editPaste = item(m.edit, "mnuEditPaste", QStringLiteral("貼り付け"));

    m.example = menu(bar, "mnuExample", QStringLiteral("サンプル"));
    m.exampleOspMacro = item(m.example, "ExampleOspMacro", QStringLiteral("OSP マクロ"));
    m.exampleOspStandard = item(m.example, "ExampleOspStandard", QStringLiteral("OSP 標準"));
    m.exampleFanucStandard = item(m.example, "ExampleFanucStandard", QStringLiteral("FANUC"));

    m.help = menu(bar, "mnuHelp", QStringLiteral("ヘルプ(&H)"));
    m.helpAbout = item(m.help, "mnuHelpAbout", QStringLiteral("Quillmarについて(&A)"));
    return m;
}

} // namespace quillmar
