#include "render/whole_file.h"

#include <QSaveFile>

namespace quillmar {

Expected<void, QString> writeFileCompletely(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    // Unbuffered, so that a short write shows here and not in a buffer flushed when
    // the file closes, where QSaveFile would not notice it and would commit the cut file.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return unexpected(file.errorString());
    }
    // A short write (a full disk, a size limit) is followed by another, which then
    // fails with the system's reason.
    for (qsizetype done = 0; done < bytes.size();) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0) {
            const QString reason = file.errorString();
            file.cancelWriting();
            return unexpected(reason);
        }
        done += written;
    }
    if (!file.commit()) {
        return unexpected(file.errorString());
    }
    return {};
}

} // namespace quillmar
