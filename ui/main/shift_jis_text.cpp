#include "ui/main/shift_jis_text.h"

#include <QStringEncoder>
#include <algorithm>
#include <array>
#include <utility>

namespace quillmar {

namespace {

constexpr const char* kCodePage = "Shift_JIS"; // ICU's table is Microsoft's code page 932

// JIS X 0208 code points that code page 932 maps from other Unicode characters.
constexpr std::array<std::pair<char16_t, char16_t>, 7> kJisToCodePage932 = {{
    {u'\u301C', u'\uFF5E'}, // wave dash
    {u'\u2016', u'\u2225'}, // double vertical line
    {u'\u2212', u'\uFF0D'}, // minus sign
    {u'\u2014', u'\u2015'}, // em dash
    {u'\u00A2', u'\uFFE0'}, // cent sign
    {u'\u00A3', u'\uFFE1'}, // pound sign
    {u'\u00AC', u'\uFFE2'}, // not sign
}};

QString withCodePage932Forms(QStringView text) {
    QString out = text.toString();
    for (QChar& c : out) {
        const auto* found = std::find_if(kJisToCodePage932.begin(), kJisToCodePage932.end(),
                                         [c](const auto& pair) { return pair.first == c; });
        if (found != kJisToCodePage932.end()) {
            c = QChar(found->second);
        }
    }
    return out;
}

bool encodes(QStringView text) {
    QStringEncoder encoder(kCodePage, QStringConverter::Flag::Stateless);
    const QByteArray bytes = encoder.encode(text);
    return !encoder.hasError();
}

qsizetype characterLength(QStringView text, qsizetype at) {
    const bool pair =
        text[at].isHighSurrogate() && at + 1 < text.size() && text[at + 1].isLowSurrogate();
    return pair ? 2 : 1;
}

UnencodableCharacter firstUnencodable(QStringView original, QStringView mapped) {
    int lineNumber = 1;
    for (qsizetype i = 0; i < mapped.size();) {
        const qsizetype length = characterLength(mapped, i);
        if (mapped[i] == u'\n') {
            ++lineNumber;
        } else if (!encodes(mapped.sliced(i, length))) {
            return {lineNumber, original.sliced(i, length).toString()};
        }
        i += length;
    }
    return {lineNumber, QString()};
}

} // namespace

Expected<QByteArray, ShiftJisFailure> encodeShiftJis(QStringView text) {
    QStringEncoder encoder(kCodePage, QStringConverter::Flag::Stateless);
    if (!encoder.isValid()) {
        return unexpected(ShiftJisFailure(ShiftJisUnavailable{}));
    }
    const QString mapped = withCodePage932Forms(text);
    QByteArray bytes = encoder.encode(mapped);
    if (!encoder.hasError()) {
        return bytes;
    }
    // Only on failure: look for the character, one at a time.
    return unexpected(ShiftJisFailure(firstUnencodable(text, mapped)));
}

} // namespace quillmar
