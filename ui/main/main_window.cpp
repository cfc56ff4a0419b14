#include "ui/main/main_window.h"

#include "graphics/graphics.h"
#include "quillmar_version.h"
#include "ui/dialog/twips.h"
#include "ui/main/commands/job_dialogs.h"
#include "ui/main/editor/output_pane.h"
#include "ui/main/editor/pane_graphic.h"
#include "ui/main/editor/pane_texts.h"
#include "ui/main/files/recent_files_menu.h"
#include "ui/main/files/save_file_dialog.h"
#include "ui/main/settings/language_menu.h"
#include "ui/main/settings/settings_store.h"
#include "ui/main/settings/window_placement.h"
#include "ui/main/window/main_toolbar.h"
#include "ui/main/window/program_icons.h"
#include "ui/main/window/status_panels.h"
#include "ui/paint/picture_box.h"
#include "ui/paint/readout_box.h"
#include "ui/seams/setting_keys.h"
#include "ui/simulation/simulation_window.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QToolBar>
#include <cmath>

namespace quillmar {

namespace {

QRect pixelsOf(const TwipsPlacement& r) {
    return twipsRect(static_cast<int>(std::lround(r.left)), static_cast<int>(std::lround(r.top)),
                     static_cast<int>(std::lround(r.width)),
                     static_cast<int>(std::lround(r.height)));
}

float twipsOf(int pixels) {
    return static_cast<float>(pixels * kTwipsPerPixel);
}

TwipsPlacement twipsOf(const QRect& r) {
    return {twipsOf(r.left()), twipsOf(r.top()), twipsOf(r.width()), twipsOf(r.height())};
}

void place(QWidget* widget, const std::optional<TwipsPlacement>& placement) {
    if (placement) {
        widget->setGeometry(pixelsOf(*placement));
    }
}

QFrame* ruleLine(QWidget* parent, const char* name, QPalette::ColorRole systemColour) {
    auto* line = new QFrame(parent);
    line->setObjectName(QString::fromLatin1(name));
    line->setFrameShape(QFrame::NoFrame);
    line->setAutoFillBackground(true);
    line->setBackgroundRole(systemColour);
    return line;
}

QList<QRect> screenAreas() {
    QList<QRect> areas;
    for (const QScreen* screen : QGuiApplication::screens()) {
        areas.append(screen->geometry());
    }
    return areas;
}

} // namespace

MainWindow::MainWindow(const MainWindowServices& services, SettingsStore settings, QWidget* parent)
    : QMainWindow(parent), services_(services), settings_(settings) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Quillmar  Ver. " QUILLMAR_TITLE_VERSION));
    setWindowIcon(programIcon());
    menus_ = buildMainMenus(*menuBar());
    buildClientArea();
    connectMenus();
    connectPanes();
    connectPictures();
    setTabOrder();

    const StoredSettings stored = readStoredSettings(settings_);
    restoreWindowRectangle(stored.window);
    openPathName_ = stored.openPathName;
    recentFiles_ = std::make_unique<RecentFilesMenu>(
        *menus_.fileRecent, *this, [this](const QString& path) { openRecentFile(path); });
    recentFiles_->setFiles(stored.recentFiles);
    language_ = std::make_unique<LanguageMenu>(*menus_.languageJapanese, *menus_.languageEnglish,
                                               settings_.value(setting::kLanguage),
                                               services_.messages, *this);
    askToSaveOnClose_ = stored.askToSaveOnClose;
    dialogs_ = std::make_unique<JobDialogs>(
        JobDialogs::Services{job_, *paneTexts_, services_.messages, settings_,
                             [this] { redrawPointGraphic(); }, [this] { redrawCuttingGraphic(); },
                             [this](QWidget* parent) {
                                 return services_.saveDialog.askProfileFileName(parent,
                                                                                openPathName_);
                             },
                             [this](const QString& text) { statusBar_->setStatusText(text); }},
        *this);
    pointPicture_->setFocus();
}

MainWindow::~MainWindow() {
    // QWidget deletes the children after this class's members are gone: nothing they
    // signal while going away may reach the half-destroyed window.
    for (QObject* child : std::initializer_list<QObject*>{macroPane_, standardPane_, pointPicture_,
                                                          cuttingPicture_, statusBar_}) {
        child->blockSignals(true);
    }
}

void MainWindow::buildClientArea() {
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("client"));
    setCentralWidget(client_);
    client_->installEventFilter(this);

    toolbar_ = buildMainToolbar(client_);
    line1_ = ruleLine(client_, "Line1", QPalette::Dark);
    line2_ = ruleLine(client_, "Line2", QPalette::Light);
    macroPane_ = new OutputPane(client_);
    macroPane_->setObjectName(QStringLiteral("txtDataA"));
    standardPane_ = new OutputPane(client_);
    standardPane_->setObjectName(QStringLiteral("txtDataB"));
    pointPicture_ = new PictureBox(client_);
    pointPicture_->setObjectName(QStringLiteral("Picture1"));
    cuttingPicture_ = new PictureBox(client_);
    cuttingPicture_->setObjectName(QStringLiteral("Picture2"));
    readout_ = new ReadoutBox(toolbar_);
    readout_->setObjectName(QStringLiteral("Picture3"));
    readout_->setFocusPolicy(Qt::TabFocus);
    readout_->hide();
    statusBar_ = new StatusPanels(client_);
    paneTexts_ = std::make_unique<PaneTexts>(*macroPane_, *standardPane_);
    pointGraphic_ =
        std::make_unique<PaneGraphic>(PaneGraphicKind::Point, *macroPane_, *pointPicture_);
    cuttingGraphic_ =
        std::make_unique<PaneGraphic>(PaneGraphicKind::Cutting, *standardPane_, *cuttingPicture_);
}

void MainWindow::connectMenus() {
    connect(menus_.fileNew, &QAction::triggered, this, &MainWindow::newCommand);
    connect(menus_.square, &QAction::triggered, this, &MainWindow::dataInputCommand);
    connect(menus_.toolsThreadStandard, &QAction::triggered, this,
            &MainWindow::threadStandardCommand);
    connect(menus_.fileSave, &QAction::triggered, this, &MainWindow::saveCommand);
    connect(menus_.fileOpen, &QAction::triggered, this, &MainWindow::openCommand);
    connect(menus_.fileExit, &QAction::triggered, this, &MainWindow::exitCommand);
    connect(menus_.editUndo, &QAction::triggered, this, &MainWindow::undoCommand);
    connect(menus_.editCut, &QAction::triggered, this, &MainWindow::cutCommand);
    connect(menus_.editCopy, &QAction::triggered, this, &MainWindow::copyCommand);
    connect(menus_.editCopyAll, &QAction::triggered, this, &MainWindow::copyAllCommand);
    connect(menus_.editPaste, &QAction::triggered, this, &MainWindow::pasteCommand);
    connect(menus_.exampleOspMacro, &QAction::triggered, this, &MainWindow::exampleOspMacroCommand);
    connect(menus_.exampleOspStandard, &QAction::triggered, this,
            &MainWindow::exampleOspStandardCommand);
    connect(menus_.exampleFanucStandard, &QAction::triggered, this,
            &MainWindow::exampleFanucStandardCommand);
    connect(menus_.helpAbout, &QAction::triggered, this, &MainWindow::aboutCommand);
    connect(menus_.toolsSimulation, &QAction::triggered, this, &MainWindow::simulationCommand);
    connect(menus_.toolsMachine, &QAction::triggered, this, &MainWindow::machineCommand);
    connect(toolbar_, &QToolBar::actionTriggered, this,
            [this](QAction* action) { toolbarButtonClicked(toolbarKey(action)); });
}

void MainWindow::connectPanes() {
    connect(macroPane_, &OutputPane::programTextChanged, this, &MainWindow::redrawPointGraphic);
    connect(standardPane_, &OutputPane::programTextChanged, this,
            &MainWindow::redrawCuttingGraphic);
    // After the graphic: the simulation only notes the change and runs once typing rests.
    connect(standardPane_, &OutputPane::programTextChanged, this, [this] {
        if (simulation_ != nullptr) {
            simulation_->programChanged();
        }
    });
    connect(macroPane_, &OutputPane::focusEntered, this,
            [this] { statusBar_->setStatusText(QStringLiteral("Point data for Macro program")); });
    connect(standardPane_, &OutputPane::focusEntered, this,
            [this] { statusBar_->setStatusText(QStringLiteral("Standard program")); });
    for (OutputPane* pane : {macroPane_, standardPane_}) {
        connect(pane, &OutputPane::rightButtonPressed, this,
                [this](const QPoint& at) { menus_.edit->popup(at); });
        connect(pane, &OutputPane::overwriteToggleRequested, this,
                &MainWindow::toggleOverwriteMode);
        connect(pane, &OutputPane::fileDropped, this,
                [this, pane](const QString& path) { openFileInto(*pane, path); });
    }
}

void MainWindow::connectPictures() {
    connect(pointPicture_, &PictureBox::gotFocus, this,
            [this] { statusBar_->setStatusText(QStringLiteral("Point Graphic")); });
    connect(cuttingPicture_, &PictureBox::gotFocus, this,
            [this] { statusBar_->setStatusText(QStringLiteral("Cutting Graphic")); });
    const auto showReadout = [this](float x, float y) {
        readout_->setText(QString::fromStdString(readoutText(x, y)));
    };
    connect(pointPicture_, &PictureBox::pointerMoved, this, showReadout);
    connect(cuttingPicture_, &PictureBox::pointerMoved, this, showReadout);
}

void MainWindow::toggleOverwriteMode() {
    // Like the keyboard's Insert state, one mode holds for both panes.
    overwriteMode_ = !overwriteMode_;
    macroPane_->setOverwriteMode(overwriteMode_);
    standardPane_->setOverwriteMode(overwriteMode_);
    statusBar_->setOverwriteMode(overwriteMode_);
}

void MainWindow::setTabOrder() {
    QWidget::setTabOrder(pointPicture_, cuttingPicture_);
    QWidget::setTabOrder(cuttingPicture_, readout_);
    QWidget::setTabOrder(readout_, standardPane_);
    QWidget::setTabOrder(standardPane_, macroPane_);
}

void MainWindow::restoreWindowRectangle(const TwipsPlacement& outer) {
    const QScreen* primary = QGuiApplication::primaryScreen();
    const QRect wanted = keepReachable(pixelsOf(outer), screenAreas(),
                                       primary != nullptr ? primary->availableGeometry() : QRect());
    // move() places the outer frame; the size asked for is the outer size, so the
    // frame is taken off once the window system has told how wide it is.
    move(wanted.topLeft());
    resize(wanted.size());
    pendingOuterSize_ = wanted.size();
}

void MainWindow::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    applyPendingOuterSize();
}

void MainWindow::applyPendingOuterSize() {
    const QSize frame = frameGeometry().size() - size();
    if (!pendingOuterSize_ || frame == QSize(0, 0)) {
        return;
    }
    resize(*pendingOuterSize_ - frame);
    pendingOuterSize_.reset();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == client_ && event->type() == QEvent::Resize) {
        applyLayout();
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::applyLayout() {
    const QSize clientSize = client_->size();
    // The toolbar and the status bar keep their design heights at the two edges.
    toolbar_->setGeometry(pixelsOf({0, 0, twipsOf(clientSize.width()), kToolbarHeightTwips}));
    const QRect statusRect = pixelsOf({0, twipsOf(clientSize.height()) - kStatusBarHeightTwips,
                                       twipsOf(clientSize.width()), kStatusBarHeightTwips});
    statusBar_->setGeometry(statusRect);
    statusBar_->raise();

    const MainWindowLayout layout =
        computeMainWindowLayout({twipsOf(clientSize.height()), twipsOf(clientSize.width()),
                                 twipsOf(frameGeometry().width())});
    place(macroPane_, layout.txtDataA);
    place(standardPane_, layout.txtDataB);
    place(pointPicture_, layout.picture1);
    place(cuttingPicture_, layout.picture2);
    place(readout_, layout.picture3);
    readout_->raise();
    line1_->setGeometry(pixelsOf({0, kLine1TopTwips, layout.line1Right, 15}));
    line2_->setGeometry(pixelsOf({0, kLine2TopTwips, layout.line2Right, 15}));
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!settleUnsavedText()) {
        event->ignore();
        return;
    }
    dialogs_->discard();
    if (simulation_ != nullptr) {
        simulation_->close();
    }
    saveSettings();
    QMainWindow::closeEvent(event);
}

void MainWindow::saveSettings() {
    if (!isMinimized()) {
        // A maximised window stores the maximised rectangle; the next start opens a
        // normal window of that size and place.
        const QRect inner = geometry();
        const QMargins frame(geometry().left() - frameGeometry().left(),
                             geometry().top() - frameGeometry().top(),
                             frameGeometry().right() - geometry().right(),
                             frameGeometry().bottom() - geometry().bottom());
        writeWindowRectangle(settings_, twipsOf(inner.marginsAdded(frame)));
    }
    settings_.setValue(setting::kOpenPathName, openPathName_);
    settings_.setValue(setting::kRecentFiles, recentFiles_->files());
    settings_.setValue(setting::kLanguage, language_->chosen());
    // Stored only once the user chose to stop being asked, so the key stays absent until then.
    if (!askToSaveOnClose_) {
        settings_.setValue(setting::kAskToSaveOnClose, false);
    }
    settings_.sync();
}

} // namespace quillmar
