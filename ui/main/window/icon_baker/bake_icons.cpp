// Build-time tool: draws each SVG icon at the sizes the program shows it in and writes
// the pixels as a C++ source file, so that the program starts without reading or
// drawing any SVG.
//
//   bake_icons OUTPUT.cpp ICON.svg...
//
// Each icon takes the name of its file without the extension.
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr int kSizes[] = {32, 64}; // the toolbar's size, and twice it for dense screens

struct Baked {
    std::string name;
    int size;
    std::string array;
};

QImage drawn(QSvgRenderer& renderer, int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

std::string pixelArray(const QImage& image, const std::string& arrayName) {
    std::ostringstream out;
    out << "const std::uint32_t " << arrayName << "[] = {";
    char word[16];
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            std::snprintf(word, sizeof word, "0x%08xu,", unsigned(row[x]));
            out << ((y * image.width() + x) % 8 == 0 ? "\n    " : " ") << word;
        }
    }
    out << "\n};\n";
    return out.str();
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: bake_icons OUTPUT.cpp ICON.svg...\n");
        return 2;
    }
    std::vector<Baked> icons;
    for (int i = 2; i < argc; ++i) {
        QSvgRenderer renderer(QString::fromLocal8Bit(argv[i]));
        if (!renderer.isValid()) {
            std::fprintf(stderr, "bake_icons: cannot read %s\n", argv[i]);
            return 1;
        }
        const std::string name =
            QFileInfo(QString::fromLocal8Bit(argv[i])).baseName().toStdString();
        for (const int size : kSizes) {
            const std::string arrayName = "k" + std::to_string(icons.size());
            icons.push_back({name, size, pixelArray(drawn(renderer, size), arrayName)});
        }
    }
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out << "// Made by bake_icons from the icons' SVG files while building; not to be edited.\n"
           "#include \"ui/main/window/baked_icons.h\"\n\n"
           "namespace quillmar {\n\nnamespace {\n\n";
    for (const Baked& icon : icons) {
        out << icon.array << '\n';
    }
    out << "const BakedIcon kIcons[] = {\n";
    for (std::size_t i = 0; i < icons.size(); ++i) {
        out << "    {\"" << icons[i].name << "\", " << icons[i].size << ", k" << i << "},\n";
    }
    out << "};\n\n} // namespace\n\n"
           "std::span<const BakedIcon> bakedIcons() {\n    return kIcons;\n}\n\n"
           "} // namespace quillmar\n";
    out.close();
    if (!out) {
        std::fprintf(stderr, "bake_icons: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
