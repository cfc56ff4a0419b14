#pragma once

#include <QStatusBar>
#include <optional>

class QLabel;
class QTimer;

namespace quillmar {

// The five panels of the status bar: the status text the window writes, then the
// insert-key state, the num-lock state, the date and the time, which the bar keeps
// current by itself.
class StatusPanels : public QStatusBar {
    Q_OBJECT
public:
    explicit StatusPanels(QWidget* parent = nullptr);
    ~StatusPanels() override;

    void setStatusText(const QString& text);
    QString statusText() const;
    void setOverwriteMode(bool overwrite);

    // "NUM" when on; empty when off or when the platform does not tell.
    static QString numLockText(std::optional<bool> numLockOn);
    // The num-lock state a key event carries, where the platform puts it there.
    static std::optional<bool> numLockFromKeyEvent(const QString& platformName,
                                                   quint32 nativeModifiers);
    // The keyboard's num-lock state asked of the window system, where it answers
    // (X11); nothing elsewhere.
    static std::optional<bool> numLockFromWindowSystem();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* addPanel(const char* name, int minimumWidth, bool stretch);
    void refreshClock();
    void showNumLock(std::optional<bool> numLockOn);

    QLabel* status_ = nullptr;
    QLabel* insert_ = nullptr;
    QLabel* numLock_ = nullptr;
    QLabel* date_ = nullptr;
    QLabel* time_ = nullptr;
    QTimer* clock_ = nullptr;
};

} // namespace quillmar
