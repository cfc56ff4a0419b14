#include "ui/main/window/program_icons.h"

#include "ui/main/window/baked_icons.h"

#include <QImage>
#include <QPixmap>
#include <QStringList>

namespace quillmar {

namespace {

// The icon of that name at every size it was drawn in while building.
QIcon bakedIcon(const QString& name) {
    QIcon icon;
    for (const BakedIcon& baked : bakedIcons()) {
        if (name == QLatin1String(baked.name.data(), qsizetype(baked.name.size()))) {
            const QImage image(reinterpret_cast<const uchar*>(baked.pixels), baked.size, baked.size,
                               baked.size * 4, QImage::Format_ARGB32_Premultiplied);
            icon.addPixmap(QPixmap::fromImage(image)); // a copy: the pixels stay read-only
        }
    }
    return icon;
}

} // namespace

QIcon programIcon() {
    return bakedIcon(QStringLiteral("quillmar"));
}

QIcon toolbarIcon(const QString& key) {
    static const QStringList known = {QStringLiteral("New"),     QStringLiteral("Square"),
                                      QStringLiteral("Save"),    QStringLiteral("Undo"),
                                      QStringLiteral("Cut"),     QStringLiteral("Copy"),
                                      QStringLiteral("CopyAll"), QStringLiteral("Paste"),
                                      QStringLiteral("Exit"),    QStringLiteral("Open")};
    if (!known.contains(key)) {
        return {};
    }
    return bakedIcon(key.toLower());
}

} // namespace quillmar
