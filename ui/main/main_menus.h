#pragma once

class QAction;
class QMenu;
class QMenuBar;

namespace quillmar {

// The main window's menu tree. Every item is always enabled; only New (Ctrl+N) and
// Copy all (Ctrl+A) have shortcuts.
struct MainMenus {
    QMenu* file = nullptr;
    QAction* fileNew = nullptr;
    QAction* square = nullptr;
    QAction* fileSave = nullptr;
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
    QMenu* tools = nullptr;
    QAction* toolsThreadStandard = nullptr;
    QMenu* help = nullptr;
    QAction* helpAbout = nullptr;
};

MainMenus buildMainMenus(QMenuBar& bar);

} // namespace quillmar
