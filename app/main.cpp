#include "ui/main/commands/system_info_registry.h"
#include "ui/main/editor/program_style.h"
#include "ui/main/files/save_file_dialog.h"
#include "ui/main/main_window.h"
#include "ui/main/settings/program_language.h"
#include "ui/main/startup/single_instance.h"
#include "ui/main/startup/startup.h"
#include "ui/seams/message_boxes.h"
#include "ui/seams/setting_keys.h"
#include "ui/seams/typed_settings.h"

#include <QApplication>
#include <QSettings>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setStyle(new quillmar::ProgramStyle); // the application owns it
    // Lets the desktop match the window to the installed menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.quillmar.Quillmar"));

    quillmar::QtMessageBoxes messages;
    quillmar::QtSaveFileDialog saveDialog;
    quillmar::NoRegistry registry; // this platform has no system registry
    quillmar::QtProgramStarter starter;
    quillmar::InstanceLock lock;
    const std::unique_ptr<QSettings> settings = quillmar::openSettingsStore();
    const quillmar::ProgramTranslators translators(
        quillmar::SettingsStore(*settings).value(quillmar::setting::kLanguage));

    const auto window =
        quillmar::startMainWindow(lock, {messages, saveDialog, registry, starter}, *settings);
    if (!window) {
        return 0;
    }
    window->show();
    return QApplication::exec();
}
