#pragma once

#include "core/program_output.h"
#include "core/thread_job.h"
#include "nc/nc_line_reader.h"
#include "ui/main/window/main_menus.h"
#include "ui/main/window/window_layout.h"
#include "ui/seams/typed_settings.h"
#include "ui/simulation/simulation_host.h"

#include <QMainWindow>
#include <QString>
#include <memory>
#include <optional>
#include <span>
#include <string_view>

class QFrame;
class QToolBar;

namespace quillmar {

class JobDialogs;
class LanguageMenu;
class MessageBoxes;
class OutputPane;
class PaneGraphic;
class PaneTexts;
class PictureBox;
class RecentFilesMenu;
class ProgramStarter;
class ReadoutBox;
class RegistryReader;
class SaveFileDialog;
class SimulationWindow;
class StatusPanels;

// Whatever the window reaches outside itself that would wait for a person or touch
// the system.
struct MainWindowServices {
    MessageBoxes& messages;
    SaveFileDialog& saveDialog;
    const RegistryReader& registry;
    ProgramStarter& programStarter;
};

// The program's window: the two program panes with their graphics, the menus, the toolbar and the
// status bar. It owns the job record and the NC reader both graphics share.
class MainWindow : public QMainWindow, private SimulationHost {
    Q_OBJECT
public:
    // Restores the window rectangle and the save folder from the store; the store is
    // written again only when the window closes.
    MainWindow(const MainWindowServices& services, SettingsStore settings,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    OutputPanes& outputPanes();
    void redrawPointGraphic();
    void redrawCuttingGraphic();

    ThreadJob& job() { return job_; }
    const QString& openPathName() const { return openPathName_; }

    // The commands of the menus and the toolbar.
    void newCommand();
    void dataInputCommand();
    void threadStandardCommand();
    void saveCommand();
    void openCommand();
    void exitCommand();
    void undoCommand();
    void cutCommand();
    void copyCommand();
    void copyAllCommand();
    void pasteCommand();
    void exampleOspMacroCommand();
    void exampleOspStandardCommand();
    void exampleFanucStandardCommand();
    void aboutCommand();
    void simulationCommand(); // "切削シミュレーション": show the non-modal window
    void machineCommand();    // "機械の設定...": the machine profile, kept in the settings
    void toolbarButtonClicked(const QString& key);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    void buildClientArea();
    void connectMenus();
    void connectPanes();
    void connectPictures();
    void setTabOrder();
    void restoreWindowRectangle(const TwipsPlacement& outer);
    void applyLayout();
    void applyPendingOuterSize();
    void saveSettings();
    void toggleOverwriteMode();
    OutputPane* focusedPane() const;
    void showMultiStartNote(bool output);
    void showSample(OutputPane& pane, std::span<const std::string_view> lines);
    OutputPane& openTargetPane() const;
    void openFileInto(OutputPane& pane, const QString& path);
    void openRecentFile(const QString& path);
    bool savePane(OutputPane* pane);
    bool settleUnsavedText();

    SharedText standardProgramText() const override;
    const ThreadJob* knownJob() const override;
    const forms::ThreadForm* knownForm() const override;
    DialogSnapshot reopenedDialog() const override;
    ProgramOutputResult runPlannedRuns(const DialogSnapshot& dialog,
                                       const RoughingPlan& plan) override;
    void selectStandardLine(int line) override;
    MachineProfile machineProfile() const override;

    MainWindowServices services_;
    SettingsStore settings_;
    ThreadJob job_;
    NcLineReader reader_;
    QString openPathName_;
    bool overwriteMode_ = false;
    bool askToSaveOnClose_ = true;
    std::optional<QSize> pendingOuterSize_;

    MainMenus menus_;
    QWidget* client_ = nullptr;
    QToolBar* toolbar_ = nullptr;
    QFrame* line1_ = nullptr;
    QFrame* line2_ = nullptr;
    OutputPane* macroPane_ = nullptr;
    OutputPane* standardPane_ = nullptr;
    PictureBox* pointPicture_ = nullptr;
    PictureBox* cuttingPicture_ = nullptr;
    ReadoutBox* readout_ = nullptr;
    StatusPanels* statusBar_ = nullptr;
    SimulationWindow* simulation_ = nullptr;
    std::unique_ptr<PaneTexts> paneTexts_;
    std::unique_ptr<PaneGraphic> pointGraphic_;
    std::unique_ptr<PaneGraphic> cuttingGraphic_;
    std::unique_ptr<RecentFilesMenu> recentFiles_;
    std::unique_ptr<LanguageMenu> language_;
    std::unique_ptr<JobDialogs> dialogs_;
};

} // namespace quillmar
