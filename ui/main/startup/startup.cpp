#include "ui/main/startup/startup.h"

#include "ui/main/main_window.h"
#include "ui/main/startup/single_instance.h"
#include "ui/seams/message_boxes.h"

namespace quillmar {

std::unique_ptr<MainWindow> startMainWindow(InstanceLock& lock, const MainWindowServices& services,
                                            SettingsStore settings) {
    if (lock.acquire() == InstanceLock::Result::HeldByRunningCopy) {
        services.messages.show(nullptr, QStringLiteral("Quillmar"),
                               QStringLiteral("Already Running"), MessageIcon::Warning);
        return nullptr;
    }
    return std::make_unique<MainWindow>(services, settings);
}

} // namespace quillmar
