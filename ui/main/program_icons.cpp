#include "ui/main/program_icons.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

// The icons are compiled into this static library; a static library's resources
// register only when asked to.
static void registerIconResources() {
    Q_INIT_RESOURCE(quillmar_main);
}

namespace quillmar {

namespace {

QPixmap rendered(QSvgRenderer& renderer, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    return pixmap;
}

// Drawn from the SVG at the toolbar's size and at twice it for dense screens, so
// neither depends on an icon-engine plug-in being installed.
QIcon iconFromResource(const QString& name) {
    static const bool registered = (registerIconResources(), true);
    (void)registered;
    QSvgRenderer renderer(QStringLiteral(":/quillmar/icons/%1.svg").arg(name));
    if (!renderer.isValid()) {
        return {};
    }
    QIcon icon;
    icon.addPixmap(rendered(renderer, 32));
    icon.addPixmap(rendered(renderer, 64));
    return icon;
}

} // namespace

QIcon programIcon() {
    return iconFromResource(QStringLiteral("quillmar"));
}

QIcon toolbarIcon(const QString& key) {
    static const QStringList known = {
        QStringLiteral("New"),     QStringLiteral("Square"), QStringLiteral("Save"),
        QStringLiteral("Undo"),    QStringLiteral("Cut"),    QStringLiteral("Copy"),
        QStringLiteral("CopyAll"), QStringLiteral("Paste"),  QStringLiteral("Exit")};
    if (!known.contains(key)) {
        return {};
    }
    return iconFromResource(key.toLower());
}

} // namespace quillmar
