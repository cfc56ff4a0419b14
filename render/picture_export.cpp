#include "render/picture_export.h"

#include "render/paint_plan.h"
#include "render/picture_painting.h"
#include "render/system_colours.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <optional>

namespace quillmar {

namespace {

enum class PictureFormat { Png, Svg };

QString tr(const char* text) {
    return QCoreApplication::translate("quillmar::savePicture", text);
}

std::optional<PictureFormat> formatOf(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("png")) {
        return PictureFormat::Png;
    }
    if (suffix == QLatin1String("svg")) {
        return PictureFormat::Svg;
    }
    return std::nullopt;
}

bool renderPng(const RecordingSurface& recording, QSize size, QByteArray& bytes, QString& error) {
    const QImage image =
        renderPicture(recording.commands(), size, classicSystemColours(), QGuiApplication::font());
    if (image.isNull()) {
        error = tr("Not enough memory for a picture of %1 x %2 pixels.")
                    .arg(size.width())
                    .arg(size.height());
        return false;
    }
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG")) {
        error = tr("The picture could not be encoded as PNG.");
        return false;
    }
    return true;
}

bool renderSvg(const RecordingSurface& recording, QSize size, QByteArray& bytes, QString& error) {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setResolution(int(kPictureDotsPerInch));
    generator.setTitle(QStringLiteral("Quillmar"));
    QPainter painter;
    if (!painter.begin(&generator)) {
        error = tr("The picture could not be drawn as SVG.");
        return false;
    }
    const PaintPlan plan = PaintPlan::build(recording.commands(), size, classicSystemColours());
    paintPlan(plan, painter, QGuiApplication::font(), QPointF(0.5, 0.5));
    if (!painter.end()) {
        error = tr("The picture could not be drawn as SVG.");
        return false;
    }
    return true;
}

bool writeWhole(const QString& path, const QByteArray& bytes, QString& error) {
    // The bytes go to a temporary file beside the target, which replaces the target
    // only once all of them are written. Unbuffered, because a buffered QSaveFile
    // reports a short write at its final flush (a full disk) as success and commits
    // the cut file; written straight through, every short write is seen here.
    QSaveFile file(path);
    const QString shownPath = QDir::toNativeSeparators(path);
    const auto fail = [&] {
        error = tr("Cannot write %1: %2").arg(shownPath, file.errorString());
        return false;
    };
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return fail();
    }
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 count = file.write(bytes.constData() + written, bytes.size() - written);
        if (count <= 0) {
            fail();
            file.cancelWriting();
            return false;
        }
        written += count;
    }
    return file.commit() || fail();
}

bool savePictureOrSay(const RecordingSurface& recording, const QString& path, QSize size,
                      QString& error) {
    const auto format = formatOf(path);
    if (!format) {
        error = tr("Cannot save a picture as %1: the file name must end in .png or .svg.")
                    .arg(QDir::toNativeSeparators(path));
        return false;
    }
    if (size.width() < 1 || size.height() < 1 || size.width() > kMaxPictureSide ||
        size.height() > kMaxPictureSide) {
        error = tr("A picture of %1 x %2 pixels cannot be saved: each side must be 1 to %3.")
                    .arg(size.width())
                    .arg(size.height())
                    .arg(kMaxPictureSide);
        return false;
    }
    QByteArray bytes;
    const bool rendered = *format == PictureFormat::Png ? renderPng(recording, size, bytes, error)
                                                        : renderSvg(recording, size, bytes, error);
    return rendered && writeWhole(path, bytes, error);
}

} // namespace

Expected<void, QString> savePicture(const RecordingSurface& recording, const QString& path,
                                    QSize size) {
    QString message;
    if (!savePictureOrSay(recording, path, size, message)) {
        return unexpected(std::move(message));
    }
    return {};
}

} // namespace quillmar
