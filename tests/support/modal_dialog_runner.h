#pragma once

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace quillmar::testing {

// Runs `whileOpen` inside the modal loop of the next dialog that is shown modally, once
// it is really shown: a zero timer could fire before the dialog's exec() has shown it,
// and the test would then wait for ever. If no modal dialog appears, or the body
// leaves one open, the runner closes it, so a broken test fails instead of hanging.
// Call it right before the command that opens the dialog.
inline void whenModalDialogShown(QObject* context, std::function<void(QDialog&)> whileOpen,
                                 int timeoutMs = 20000) {
    auto* poll = new QTimer(context);
    poll->setInterval(5);
    const QDeadlineTimer deadline(timeoutMs);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, deadline, body = std::move(whileOpen)] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr || !dialog->isVisible()) {
            if (deadline.hasExpired()) {
                poll->deleteLater();
                poll->stop();
                ADD_FAILURE() << "no modal dialog was shown";
            }
            return;
        }
        poll->stop();
        poll->deleteLater();
        body(*dialog);
        if (dialog->isVisible()) {
            dialog->hide();
        }
    });
    poll->start();
}

} // namespace quillmar::testing
