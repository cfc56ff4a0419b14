#include "ui/main/files/shift_jis_text.h"

#include <QStringDecoder>
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

bool decodes(QByteArrayView bytes) {
    QStringDecoder decoder(kCodePage, QStringConverter::Flag::Stateless);
    const QString text = decoder.decode(bytes);
    return !decoder.hasError();
}

// Only on failure: the line holding the first bad byte (LF is never part of a pair, so
// every line starts a character), then that line byte by byte. A pair is judged when
// its second byte arrives; the error belongs to the byte its character started with.
qsizetype firstUndecodable(QByteArrayView bytes) {
    qsizetype lineStart = 0;
    for (;;) {
        const qsizetype newline = bytes.indexOf('\n', lineStart);
        const qsizetype lineEnd = newline < 0 ? bytes.size() : newline + 1;
        const QByteArrayView line = bytes.sliced(lineStart, lineEnd - lineStart);
        if (!decodes(line)) {
            QStringDecoder decoder(kCodePage);
            qsizetype characterStart = 0;
            for (qsizetype i = 0; i < line.size(); ++i) {
                const QString produced = decoder.decode(line.sliced(i, 1));
                if (decoder.hasError()) {
                    return lineStart + characterStart;
                }
                if (!produced.isEmpty()) {
                    characterStart = i + 1;
                }
            }
            return lineStart + characterStart; // a lead byte cut off at the end
        }
        if (newline < 0) {
            return bytes.size();
        }
        lineStart = lineEnd;
    }
}

} // namespace

Expected<QString, ShiftJisDecodeFailure> decodeShiftJis(QByteArrayView bytes) {
    QStringDecoder decoder(kCodePage, QStringConverter::Flag::Stateless);
    if (!decoder.isValid()) {
        return unexpected(ShiftJisDecodeFailure(ShiftJisUnavailable{}));
    }
    QString text = decoder.decode(bytes);
    if (!decoder.hasError()) {
        return text;
    }
    return unexpected(ShiftJisDecodeFailure(UndecodableByte{firstUndecodable(bytes)}));
}

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
