#pragma once

#include <QCoreApplication>
#include <QString>
#include <string_view>

namespace quillmar {

// The form's captions and names are UTF-8 literals.
inline QString qtText(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// A caption of the data input form in the program's language. The form's tables mark
// their captions with QT_TRANSLATE_NOOP("DataInput", ...); each is a NUL-terminated
// literal.
inline QString captionText(std::string_view utf8) {
    return QCoreApplication::translate("DataInput", utf8.data());
}

// The field table (core/job_fields.h) keeps the core free of Qt, so lupdate finds its
// Japanese captions here; a test checks that each of them has its English.
inline constexpr const char* kFieldCaptionTexts[] = {
    QT_TRANSLATE_NOOP("DataInput", "ノーズR"),      QT_TRANSLATE_NOOP("DataInput", "ピッチ"),
    QT_TRANSLATE_NOOP("DataInput", "幅"),           QT_TRANSLATE_NOOP("DataInput", "素材径"),
    QT_TRANSLATE_NOOP("DataInput", "X軸 仕上げ代"), QT_TRANSLATE_NOOP("DataInput", "Z軸 開始点"),
    QT_TRANSLATE_NOOP("DataInput", "Z軸 終了点"),   QT_TRANSLATE_NOOP("DataInput", "テーパー角度"),
    QT_TRANSLATE_NOOP("DataInput", "X軸退避位置"),  QT_TRANSLATE_NOOP("DataInput", "条数"),
};

} // namespace quillmar
