#pragma once

class QAction;
class QMenu;
class QMenuBar;

namespace quillmar {

// The main window's menu tree. Every item is always enabled; New (Ctrl+N), Copy all
// (Ctrl+A) and Open (Ctrl+O) have shortcuts. Open and the recent files follow Save,
// so every older item keeps its place.
struct MainMenus {
    QMenu* file = nullptr;
    QAction* fileNew = nullptr;
    QAction* square = nullptr;
    QAction* fileSave = nullptr;
    QAction* fileOpen = nullptr; // Ctrl+O
    QMenu* fileRecent = nullptr; // filled by the window from its list
    QAction* fileExit = nullptr;
    QMenu* edit = nullptr; // also the panes' pop-up menu
    QAction* editUndo = nullptr;
    QAction* editCut = nullptr;
    QAction* editCopy = nullptr;
    QAction* editCopyAll = nullptr;
    QAction* editPaste = nullptr;
    QMenu* example = nullptr;
    QAction* exampleOspMacro = nullptr;
    QAction* exampleOspStandard = nullptr;
    QAction* exampleFanucStandard = nullptr;
    QMenu* tools = nullptr; // "ツール(&T)", made by toolsMenu()
    QAction* toolsThreadStandard = nullptr;
    QAction* toolsSimulation = nullptr;
    QMenu* toolsLanguage = nullptr; // "表示言語"
    QAction* languageJapanese = nullptr;
    QAction* languageEnglish = nullptr;
    QAction* toolsMachine = nullptr; // "機械の設定...", the last item of the Tools menu
    QMenu* help = nullptr;
    QAction* helpAbout = nullptr;
};

MainMenus buildMainMenus(QMenuBar& bar);

// The Tools menu "ツール(&T)", between "サンプル" and "ヘルプ(&H)": made on first use,
// the same menu afterwards, so every part of the window adds its items to one menu.
QMenu* toolsMenu(QMenuBar& bar);

} // namespace quillmar
