#include "ui/main/program_file.h"

#include "ui/main/shift_jis_text.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <algorithm>

namespace quillmar {

namespace {

struct ProgramFileTexts {
    Q_DECLARE_TR_FUNCTIONS(ProgramFile)
};

std::variant<QString, ProgramFileError> decoded(QByteArrayView bytes) {
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError()) {
        return text;
    }
    auto shiftJis = decodeShiftJis(bytes);
    if (auto* sjisText = std::get_if<QString>(&shiftJis)) {
        return std::move(*sjisText);
    }
    if (const auto* bad = std::get_if<UndecodableByte>(&shiftJis)) {
        const QByteArrayView before = bytes.first(bad->offset);
        const qsizetype line = std::count(before.begin(), before.end(), '\n') + 1;
        return ProgramFileError{
            ProgramFileTexts::tr("byte %1 (0x%2, line %3) is neither UTF-8 nor Shift-JIS text.")
                .arg(bad->offset + 1)
                .arg(quint8(bytes[bad->offset]), 2, 16, QLatin1Char('0'))
                .arg(line)};
    }
    return ProgramFileError{
        ProgramFileTexts::tr("it is not UTF-8, and this system has no Shift-JIS converter.")};
}

void dropClosingLineEnd(QString& text) {
    if (text.endsWith(QLatin1String("\r\n"))) {
        text.chop(2);
    } else if (text.endsWith(u'\n') || text.endsWith(u'\r')) {
        text.chop(1);
    }
}

} // namespace

std::variant<QString, ProgramFileError> programTextFromBytes(QByteArrayView bytes) {
    auto text = decoded(bytes);
    if (auto* plain = std::get_if<QString>(&text)) {
        dropClosingLineEnd(*plain);
    }
    return text;
}

std::variant<QString, ProgramFileError> readProgramFile(const QString& path) {
    const QFileInfo info(path);
    if (info.isDir()) {
        return ProgramFileError{ProgramFileTexts::tr("it is a folder.")};
    }
    if (info.exists() && !info.isFile()) {
        return ProgramFileError{ProgramFileTexts::tr("it is not a regular file.")};
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return ProgramFileError{file.errorString()};
    }
    const auto tooLarge = [] {
        return ProgramFileError{ProgramFileTexts::tr("it is larger than 64 MB.")};
    };
    if (file.size() > kLargestProgramFile) {
        return tooLarge();
    }
    // One byte more than allowed tells a file that grew since its size was read.
    const QByteArray bytes = file.read(kLargestProgramFile + 1);
    if (file.error() != QFileDevice::NoError) {
        return ProgramFileError{file.errorString()};
    }
    if (bytes.size() > kLargestProgramFile) {
        return tooLarge();
    }
    return programTextFromBytes(bytes);
}

} // namespace quillmar
