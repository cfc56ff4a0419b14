#include "ui/main/window/status_panels.h"

#include <QDateTime>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QTimer>
#include <cstdlib>

#if QT_CONFIG(xcb)
#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>
#endif

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
    // Read at once, not only after the first key, and again whenever the program
    // becomes active, since the key may have been pressed in another program.
    showNumLock(numLockFromWindowSystem());
    connect(qApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) {
                if (state == Qt::ApplicationActive) {
                    showNumLock(numLockFromWindowSystem());
                }
            });

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
    // Qt's Wayland client hands on the compositor's depressed, latched and locked
    // modifiers the same way; with the usual keymaps Num Lock is Mod2 there as well.
    if (platformName != QLatin1String("xcb") &&
        !platformName.startsWith(QLatin1String("wayland"))) {
        return std::nullopt;
    }
    return (nativeModifiers & kX11NumLockMask) != 0;
}

bool StatusPanels::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const auto state =
            numLockFromKeyEvent(QGuiApplication::platformName(), key->nativeModifiers());
        showNumLock(state);
    }
    return QStatusBar::eventFilter(watched, event);
}

void StatusPanels::showNumLock(std::optional<bool> numLockOn) {
    if (numLockOn) {
        numLock_->setText(numLockText(numLockOn));
    }
}

std::optional<bool> StatusPanels::numLockFromWindowSystem() {
#if QT_CONFIG(xcb)
    const auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || x11->connection() == nullptr) {
        return std::nullopt;
    }
    xcb_connection_t* connection = x11->connection();
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    if (screen == nullptr) {
        return std::nullopt;
    }
    // The core protocol's pointer query also reports the modifier and lock state.
    xcb_query_pointer_reply_t* reply =
        xcb_query_pointer_reply(connection, xcb_query_pointer(connection, screen->root), nullptr);
    if (reply == nullptr) {
        return std::nullopt;
    }
    const bool on = (reply->mask & kX11NumLockMask) != 0;
    std::free(reply);
    return on;
#else
    return std::nullopt;
#endif
}

void StatusPanels::refreshClock() {
    const QDateTime now = QDateTime::currentDateTime();
    const QLocale locale;
    date_->setText(locale.toString(now.date(), QLocale::ShortFormat));
    time_->setText(locale.toString(now.time(), QLocale::ShortFormat));
}

} // namespace quillmar
