#include "ui/main/window/program_icons.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>
#include <gtest/gtest.h>

namespace quillmar {
namespace {

QImage drawnFromSvg(const QString& name, int size) {
    QSvgRenderer renderer(QStringLiteral(QUILLMAR_ICON_FOLDER "/%1.svg").arg(name));
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

QImage shown(const QIcon& icon, int size) {
    return icon.pixmap(size, size).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// Each icon, at the toolbar's size and at twice it, is its SVG file as drawn.
TEST(ProgramIcons, EveryIconIsItsSvgDrawnAtEachSize) {
    struct Case {
        QIcon icon;
        QString file;
    };
    const Case cases[] = {{programIcon(), "quillmar"},       {toolbarIcon("New"), "new"},
                          {toolbarIcon("Square"), "square"}, {toolbarIcon("Save"), "save"},
                          {toolbarIcon("Undo"), "undo"},     {toolbarIcon("Cut"), "cut"},
                          {toolbarIcon("Copy"), "copy"},     {toolbarIcon("CopyAll"), "copyall"},
                          {toolbarIcon("Paste"), "paste"},   {toolbarIcon("Exit"), "exit"},
                          {toolbarIcon("Open"), "open"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file.toStdString());
        ASSERT_FALSE(c.icon.isNull());
        EXPECT_EQ(c.icon.availableSizes(), QList<QSize>({QSize(32, 32), QSize(64, 64)}));
        for (const int size : {32, 64}) {
            const QImage expected = drawnFromSvg(c.file, size);
            ASSERT_FALSE(expected.isNull());
            EXPECT_EQ(shown(c.icon, size), expected);
        }
    }
}

TEST(ProgramIcons, UnknownToolbarKeysHaveNoIcon) {
    for (const char* key : {"", "new", "Print", "quillmar"}) {
        EXPECT_TRUE(toolbarIcon(QString::fromLatin1(key)).isNull()) << key;
    }
}

} // namespace
} // namespace quillmar
