#include "ui/main/status_panels.h"

#include <QDateTime>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QTimer>

namespace quillmar {

namespace {

// X11 reports Num Lock as the Mod2 bit of the key state.
constexpr quint32 kX11NumLockMask = 0x10;

} // namespace

StatusPanels::StatusPanels(QWidget* parent) : QStatusBar(parent) {
    setObjectName(QStringLiteral("sbStatusBar"));
    setFocusPolicy(Qt::NoFocus);
    status_ = addPanel("sbStatusBarPanel1", 0, true);
    insert_ = addPanel("sbStatusBarPanel2", 40, false);
    numLock_ = addPanel("sbStatusBarPanel3", 40, false);
    date_ = addPanel("sbStatusBarPanel4", 80, false);
    time_ = addPanel("sbStatusBarPanel5", 50, false);
    setOverwriteMode(false);

    clock_ = new QTimer(this);
    clock_->setInterval(1000);
    connect(clock_, &QTimer::timeout, this, &StatusPanels::refreshClock);
    clock_->start();
    refreshClock();
    qApp->installEventFilter(this);
}

StatusPanels::~StatusPanels() {
    qApp->removeEventFilter(this);
}

QLabel* StatusPanels::addPanel(const char* name, int minimumWidth, bool stretch) {
    auto* panel = new QLabel(this);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setMinimumWidth(minimumWidth);
    panel->setAlignment(stretch ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
    if (stretch) {
        addWidget(panel, 1);
    } else {
        addPermanentWidget(panel);
    }
    return panel;
}

void StatusPanels::setStatusText(const QString& text) {
    status_->setText(text);
}

QString StatusPanels::statusText() const {
    return status_->text();
}

void StatusPanels::setOverwriteMode(bool overwrite) {
    insert_->setText(overwrite ? QStringLiteral("OVR") : QStringLiteral("INS"));
}

QString StatusPanels::numLockText(std::optional<bool> numLockOn) {
    return numLockOn.value_or(false) ? QStringLiteral("NUM") : QString();
}

std::optional<bool> StatusPanels::numLockFromKeyEvent(const QString& platformName,
                                                      quint32 nativeModifiers) {
    if (platformName != QLatin1String("xcb")) {
        return std::nullopt;
    }
    return (nativeModifiers & kX11NumLockMask) != 0;
}

bool StatusPanels::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const auto state =
            numLockFromKeyEvent(QGuiApplication::platformName(), key->nativeModifiers());
        if (state) {
            numLock_->setText(numLockText(state));
        }
    }
    return QStatusBar::eventFilter(watched, event);
}

void StatusPanels::refreshClock() {
    const QDateTime now = QDateTime::currentDateTime();
    const QLocale locale;
    date_->setText(locale.toString(now.date(), QLocale::ShortFormat));
    time_->setText(locale.toString(now.time(), QLocale::ShortFormat));
}

} // namespace quillmar
