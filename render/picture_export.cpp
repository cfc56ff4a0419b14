#include "render/picture_export.h"

#include "render/paint_plan.h"
#include "render/picture_painting.h"
#include "render/system_colours.h"
#include "render/whole_file.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
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

using Bytes = Expected<QByteArray, QString>;

Bytes renderPng(const RecordingSurface& recording, QSize size) {
    const QImage image =
        renderPicture(recording.commands(), size, classicSystemColours(), QGuiApplication::font());
    if (image.isNull()) {
        return unexpected(tr("Not enough memory for a picture of %1 x %2 pixels.")
                              .arg(size.width())
                              .arg(size.height()));
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG")) {
        return unexpected(tr("The picture could not be encoded as PNG."));
    }
    return bytes;
}

Bytes renderSvg(const RecordingSurface& recording, QSize size) {
    QByteArray bytes;
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
        return unexpected(tr("The picture could not be drawn as SVG."));
    }
    const PaintPlan plan = PaintPlan::build(recording.commands(), size, classicSystemColours());
    paintPlan(plan, painter, QGuiApplication::font(), QPointF(0.5, 0.5));
    if (!painter.end()) {
        return unexpected(tr("The picture could not be drawn as SVG."));
    }
    return bytes;
}

} // namespace

Expected<void, QString> savePicture(const RecordingSurface& recording, const QString& path,
                                    QSize size) {
    const auto format = formatOf(path);
    if (!format) {
        return unexpected(tr("Cannot save a picture as %1: the file name must end in .png or .svg.")
                              .arg(QDir::toNativeSeparators(path)));
    }
    if (size.width() < 1 || size.height() < 1 || size.width() > kMaxPictureSide ||
        size.height() > kMaxPictureSide) {
        return unexpected(
            tr("A picture of %1 x %2 pixels cannot be saved: each side must be 1 to %3.")
                .arg(size.width())
                .arg(size.height())
                .arg(kMaxPictureSide));
    }
    const Bytes bytes =
        *format == PictureFormat::Png ? renderPng(recording, size) : renderSvg(recording, size);
    if (!bytes) {
        return unexpected(bytes.error());
    }
    if (const auto written = writeFileCompletely(path, *bytes); !written) {
        return unexpected(
            tr("Cannot write %1: %2").arg(QDir::toNativeSeparators(path), written.error()));
    }
    return {};
}

} // namespace quillmar
