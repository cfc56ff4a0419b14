// The picture encoder of a build with Qt GUI.

#include "cli/picture_encoding.h"
#include "render/picture_export.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

namespace quillmar {

static_assert(kLargestPictureSide == kMaxPictureSide,
              "the command line must accept exactly the picture sizes a file can have");

namespace {

QtMessageHandler previousHandler = nullptr;

// Qt ends the program on a fatal fault, such as a platform plugin that cannot start
// (QT_QPA_PLATFORM naming a display that is not there). Nothing has been written by
// then: one line says what happened, and the exit status is that of any other fault
// outside the job.
void handleQtMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "quillmar-gen: cannot start Qt GUI to draw the pictures: %s\n",
                     message.toLocal8Bit().constData());
        std::fflush(stderr);
        std::_Exit(2);
    }
    // Qt looks for its runtime folder while it starts and complains when XDG_RUNTIME_DIR
    // is unset, as it is for cron jobs and root shells, or when it cannot make one;
    // drawing files needs no such folder, so a script's error output stays clean of it.
    if (message.startsWith(QLatin1String("QStandardPaths: "))) {
        return;
    }
    if (previousHandler != nullptr) {
        previousHandler(type, context, message);
    }
}

Unexpected<IoFailure> failure(const std::string& path, const QString& reason) {
    return ioFailure(path, reason.toLocal8Bit().toStdString());
}

} // namespace

struct PictureEncoder::Session {
    int argc = 1;
    char name[16] = "quillmar-gen";
    char* argv[2] = {name, nullptr};
    QGuiApplication application{argc, argv};
};

bool PictureEncoder::available() {
    return true;
}

PictureEncoder::PictureEncoder() {
    // An internal choice, not a setting: a picture file needs no screen. A platform
    // the user names is still taken.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    previousHandler = qInstallMessageHandler(handleQtMessage);
    session_ = std::make_unique<Session>();
}

PictureEncoder::~PictureEncoder() {
    session_.reset();
    qInstallMessageHandler(previousHandler);
}

IoResult<std::string> PictureEncoder::encode(const RecordingSurface& recording,
                                             const std::string& path, PictureSize size) {
    // Saved into a private temporary folder and read back, the picture joins the
    // program files in one all-or-nothing replacement of the user's files.
    const QTemporaryDir folder;
    if (!folder.isValid()) {
        return failure(path, QStringLiteral("no temporary folder to draw it in: ") +
                                 folder.errorString());
    }
    const QString suffix = QFileInfo(QFile::decodeName(path.c_str())).suffix().toLower();
    const QString drawn = folder.filePath(QStringLiteral("picture.") + suffix);
    if (const auto saved = savePicture(recording, drawn, QSize(size.width, size.height)); !saved) {
        return failure(path, saved.error());
    }
    QFile file(drawn);
    if (!file.open(QIODevice::ReadOnly)) {
        return failure(path, file.errorString());
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return failure(path, file.errorString());
    }
    return std::string(bytes.constData(), std::size_t(bytes.size()));
}

} // namespace quillmar
