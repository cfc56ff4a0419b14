#include "ui/main/program_file.h"

#include "ui/main/shift_jis_text.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <algorithm>

namespace quillmar {

namespace {

Unexpected<ProgramFileError> failure(const QString& reason) {
    return unexpected(ProgramFileError{reason});
}

struct ProgramFileTexts {
    Q_DECLARE_TR_FUNCTIONS(ProgramFile)
};

Expected<QString, ProgramFileError> decoded(QByteArrayView bytes) {
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError()) {
        return text;
    }
    auto shiftJis = decodeShiftJis(bytes);
    if (shiftJis) {
        return std::move(*shiftJis);
    }
    if (const auto* bad = std::get_if<UndecodableByte>(&shiftJis.error())) {
        const QByteArrayView before = bytes.first(bad->offset);
        const qsizetype line = std::count(before.begin(), before.end(), '\n') + 1;
        return failure(ProgramFileTexts::tr(
                           "%3 行目のバイト %1 (0x%2) は UTF-8 でも Shift-JIS でもありません。")
                           .arg(bad->offset + 1)
                           .arg(quint8(bytes[bad->offset]), 2, 16, QLatin1Char('0'))
                           .arg(line));
    }
    return failure(
        ProgramFileTexts::tr("UTF-8 ではなく、このシステムには Shift-JIS の変換がありません。"));
}

void dropClosingLineEnd(QString& text) {
    if (text.endsWith(QLatin1String("\r\n"))) {
        text.chop(2);
    } else if (text.endsWith(u'\n') || text.endsWith(u'\r')) {
        text.chop(1);
    }
}

} // namespace

Expected<QString, ProgramFileError> programTextFromBytes(QByteArrayView bytes) {
    auto text = decoded(bytes);
    if (text) {
        dropClosingLineEnd(*text);
    }
    return text;
}

Expected<QString, ProgramFileError> readProgramFile(const QString& path) {
    const QFileInfo info(path);
    if (info.isDir()) {
        return failure(ProgramFileTexts::tr("フォルダーです。"));
    }
    if (info.exists() && !info.isFile()) {
        return failure(ProgramFileTexts::tr("通常のファイルではありません。"));
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return failure(file.errorString());
    }
    const auto tooLarge = [] {
        return failure(ProgramFileTexts::tr("64 MB より大きいファイルです。"));
    };
    if (file.size() > kLargestProgramFile) {
        return tooLarge();
    }
    // One byte more than allowed tells a file that grew since its size was read.
    const QByteArray bytes = file.read(kLargestProgramFile + 1);
    if (file.error() != QFileDevice::NoError) {
        return failure(file.errorString());
    }
    if (bytes.size() > kLargestProgramFile) {
        return tooLarge();
    }
    return programTextFromBytes(bytes);
}

} // namespace quillmar
