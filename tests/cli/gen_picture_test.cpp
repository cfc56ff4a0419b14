// Runs quillmar-gen for its pictures and reads the files back as a viewer would.

#include "cli/join_text.h"
#include "gen_runner.h"

#include <QImage>
#include <QSet>
#include <QString>
#include <QXmlStreamReader>
#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace quillmar {
namespace {

using test::fileNames;
using test::Finished;
using test::kRunTwoFails;
using test::kWorkedExampleJob;
using test::readBytes;
using test::runGenerator;
using test::TempFolder;
using test::writeBytes;

const QRgb kBackground = qRgb(8, 0, 0);
const QRgb kGrid = qRgb(0, 128, 0);
const QRgb kGridAtZero = qRgb(128, 128, 128); // button shadow of the classic scheme
const QRgb kStock = qRgb(0, 0, 255);
const QRgb kPath = qRgb(255, 255, 0);
const QRgb kRapid = qRgb(128, 0, 128);
const QRgb kPitchMark = qRgb(0, 255, 255);
const QRgb kLabel = qRgb(192, 192, 192);

// The user scale of a picture, to name places in millimetres.
struct Scale {
    double left;
    double top;
    double width;
    double height;
};

// Worked example: P 6, zStart 5, zEnd -30, d1 34, d2 30.
constexpr Scale kPointScale{-0.36, -18.7, 7.08, 5.2};
constexpr Scale kCuttingScale{-34.1, -18.7, 49.2, 5.6};

// Whether a pixel of the colour lies within two pixels of the place (x, y): the tests
// name places, the painter rounds them.
bool colourNear(const QImage& image, const Scale& scale, double x, double y, QRgb colour) {
    const int column = int(std::lround((x - scale.left) / scale.width * image.width()));
    const int row = int(std::lround((y - scale.top) / scale.height * image.height()));
    for (int dy = -2; dy <= 2; ++dy) {
        for (int dx = -2; dx <= 2; ++dx) {
            const QPoint at(column + dx, row + dy);
            if (image.valid(at) && image.pixel(at) == colour) {
                return true;
            }
        }
    }
    return false;
}

int pixelsOf(const QImage& image, QRgb colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += image.pixel(x, y) == colour ? 1 : 0;
        }
    }
    return count;
}

QImage readPng(const std::string& path) {
    QImage image;
    EXPECT_TRUE(image.load(QString::fromStdString(path), "PNG")) << path;
    return image.convertToFormat(QImage::Format_RGB32);
}

struct SvgContent {
    QString viewBox;
    QSet<QString> colours; // every fill and stroke, lower case
};

SvgContent readSvg(const std::string& path) {
    const std::string bytes = readBytes(path);
    QXmlStreamReader reader(QByteArray(bytes.data(), qsizetype(bytes.size())));
    SvgContent content;
    bool root = true;
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        if (root) {
            EXPECT_EQ(reader.name(), QLatin1String("svg"));
            content.viewBox = reader.attributes().value("viewBox").toString();
            root = false;
        }
        for (const char* name : {"fill", "stroke"}) {
            const QString value = reader.attributes().value(name).toString().toLower();
            if (value.startsWith('#')) {
                content.colours.insert(value);
            }
        }
    }
    EXPECT_FALSE(reader.hasError()) << path << ": " << reader.errorString().toStdString();
    return content;
}

TEST(QuillmarGenPictures, WorkedExampleAsPng) {
    TempFolder folder;
    const Finished run =
        runGenerator(folder, {"--points-picture", "points.png", "--cutting-picture", "cutting.png",
                              kWorkedExampleJob});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, "") << "with only pictures asked for, no program goes to standard output";
    auto names = fileNames(folder);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"cutting.png", "points.png"}));

    const QImage points = readPng(folder.file("points.png"));
    EXPECT_EQ(points.size(), QSize(800, 400));
    EXPECT_EQ(points.pixel(4, 4), kBackground);
    EXPECT_EQ(points.pixel(795, 395), kBackground);
    EXPECT_TRUE(colourNear(points, kPointScale, 3.75, -17, kPath)) << "floor of the groove at X34";
    EXPECT_TRUE(colourNear(points, kPointScale, 5.75, -15.0355, kPath)) << "first pass, X30.071";
    EXPECT_FALSE(colourNear(points, kPointScale, 0.5, -17, kPath)) << "no path left of the flank";
    EXPECT_TRUE(colourNear(points, kPointScale, 1, -16, kGrid)) << "vertical line at 1";
    EXPECT_TRUE(colourNear(points, kPointScale, 0.5, -15.5, kGrid)) << "line of X31";
    EXPECT_TRUE(colourNear(points, kPointScale, 0.5, -15, kStock)) << "stock at X30";
    EXPECT_GT(pixelsOf(points, kLabel), 20) << "labels";
    EXPECT_EQ(pixelsOf(points, kRapid), 0) << "the point graphic has no rapid moves";

    const QImage cutting = readPng(folder.file("cutting.png"));
    EXPECT_EQ(cutting.size(), QSize(800, 400));
    EXPECT_EQ(cutting.pixel(4, 4), kBackground);
    EXPECT_TRUE(colourNear(cutting, kCuttingScale, -12, -17, kPath)) << "a pass at X34";
    EXPECT_TRUE(colourNear(cutting, kCuttingScale, -12, -14, kRapid)) << "return at X28";
    EXPECT_TRUE(colourNear(cutting, kCuttingScale, 4.75, -15.035, kPitchMark))
        << "pitch mark one pitch from the start of the first pass";
    EXPECT_TRUE(colourNear(cutting, kCuttingScale, -25, -13.75, kGrid)) << "Z -25";
    EXPECT_TRUE(colourNear(cutting, kCuttingScale, 0, -13.75, kGridAtZero)) << "Z 0";
    EXPECT_FALSE(colourNear(cutting, kCuttingScale, 0, -13.75, kGrid));
}

TEST(QuillmarGenPictures, WorkedExampleAsSvgInTheGivenSize) {
    TempFolder folder;
    const Finished run =
        runGenerator(folder, {"--size", "640x320", "--points-picture", "points.svg",
                              "--cutting-picture", "cutting.SVG", kWorkedExampleJob});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const SvgContent points = readSvg(folder.file("points.svg"));
    EXPECT_EQ(points.viewBox, "0 0 640 320");
    for (const char* colour : {"#080000", "#008000", "#0000ff", "#ffff00", "#c0c0c0"}) {
        EXPECT_TRUE(points.colours.contains(colour)) << "point graphic: " << colour;
    }
    const SvgContent cutting = readSvg(folder.file("cutting.SVG"));
    EXPECT_EQ(cutting.viewBox, "0 0 640 320");
    for (const char* colour :
         {"#080000", "#008000", "#808080", "#0000ff", "#ffff00", "#800080", "#00ffff"}) {
        EXPECT_TRUE(cutting.colours.contains(colour)) << "cutting graphic: " << colour;
    }
}

TEST(QuillmarGenPictures, SizeOfThePng) {
    TempFolder folder;
    const Finished run =
        runGenerator(folder, {"--size=321x123", "--cutting-picture=c.png", kWorkedExampleJob});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(readPng(folder.file("c.png")).size(), QSize(321, 123));
}

TEST(QuillmarGenPictures, PicturesJoinTheProgramFiles) {
    TempFolder folder;
    const Finished run = runGenerator(folder, {"--macro", "t.MIN", "--standard", "t.NC",
                                               "--points-picture", "p.png", kWorkedExampleJob});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(readBytes(folder.file("t.MIN")),
              readBytes(QUILLMAR_TEST_DATA_DIR "/golden/worked-example.MIN"));
    EXPECT_EQ(readBytes(folder.file("t.NC")),
              readBytes(QUILLMAR_TEST_DATA_DIR "/golden/worked-example.NC"));
    EXPECT_EQ(readPng(folder.file("p.png")).size(), QSize(800, 400));
}

// No display, no platform named, no runtime folder: a cron job or a build server.
TEST(QuillmarGenPictures, NeedNoDisplay) {
    TempFolder folder;
    const Finished run =
        runGenerator(folder, {"--points-picture", "p.png", kWorkedExampleJob},
                     {.environment = {"-u", "DISPLAY", "-u", "WAYLAND_DISPLAY", "-u",
                                      "QT_QPA_PLATFORM", "-u", "XDG_RUNTIME_DIR"}});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(readPng(folder.file("p.png")).pixel(4, 4), kBackground);
}

struct PictureFailureCase {
    const char* name;
    std::vector<std::string> arguments;
    std::vector<std::string> environment;
    int status;
    std::string errPart; // the message holds it; "@" stands for the folder
};

class QuillmarGenPictureFails : public ::testing::TestWithParam<PictureFailureCase> {};

// However the pictures fail, no file is written or replaced and nothing is left behind.
TEST_P(QuillmarGenPictureFails, WriteNothing) {
    const PictureFailureCase& c = GetParam();
    TempFolder folder;
    const test::FileBytes kept = {{"kept.NC", "old program\r\n"}, {"kept.png", "old picture"}};
    test::writeFiles(folder, kept);
    std::filesystem::create_directory(folder.file("folder.svg"));
    std::filesystem::create_symlink("/dev/full", folder.file("full.png"));
    const Finished run = runGenerator(folder, test::inFolder(c.arguments, folder),
                                      {.environment = test::inFolder(c.environment, folder)});
    EXPECT_EQ(run.status, c.status);
    EXPECT_NE(run.err.find(test::inFolder(c.errPart, folder)), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "");
    test::expectFilesKept(folder, kept, 2);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, QuillmarGenPictureFails,
    ::testing::Values(
        PictureFailureCase{
            "RunFailsOnItsData",
            {"--standard", "kept.NC", "--points-picture", "kept.png", "--cutting-picture", "c.svg",
             kRunTwoFails},
            {},
            1,
            joinText({"データエラー run 2 (", kRunTwoFails, ":34): division by zero\n"})},
        PictureFailureCase{"PictureFolderMissing",
                           {"--standard", "kept.NC", "--points-picture", "kept.png",
                            "--cutting-picture", "no/such/c.png", kWorkedExampleJob},
                           {},
                           2,
                           "quillmar-gen: cannot write no/such/c.png: No such file or directory\n"},
        PictureFailureCase{
            "PictureIsAFolder",
            {"--points-picture", "kept.png", "--cutting-picture", "folder.svg", kWorkedExampleJob},
            {},
            2,
            "quillmar-gen: cannot write folder.svg: Is a directory\n"},
        PictureFailureCase{
            "PictureLinksToAFullDevice",
            {"--standard", "kept.NC", "--cutting-picture", "full.png", kWorkedExampleJob},
            {},
            2,
            "quillmar-gen: cannot write full.png: not a regular file"},
        PictureFailureCase{
            "NoTemporaryFolder",
            {"--standard", "kept.NC", "--points-picture", "kept.png", kWorkedExampleJob},
            {"TMPDIR=@/kept.NC"},
            2,
            "quillmar-gen: cannot draw kept.png: no temporary folder to draw it in"},
        PictureFailureCase{
            "QtPlatformCannotStart",
            {"--standard", "kept.NC", "--points-picture", "kept.png", kWorkedExampleJob},
            {"QT_QPA_PLATFORM=no-such-platform"},
            2,
            "quillmar-gen: cannot start Qt GUI to draw the pictures: "}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace quillmar

namespace quillmar {
namespace {

// The simulated section of the worked example: the 30 mm bore above its groove, the
// material left (brown) reaching to the picture's top edge, the cut in the run's shade.
TEST(QuillmarGenPictures, SectionPictureShowsMaterialAndTheCut) {
    test::TempFolder folder;
    const test::Finished run = test::runGenerator(
        folder, {"--section-picture", "section.png", "--size", "600x300", test::kWorkedExampleJob});
    ASSERT_EQ(run.status, 0) << run.err;
    const QImage section = readPng(folder.file("section.png"));
    EXPECT_EQ(section.size(), QSize(600, 300));
    EXPECT_EQ(section.pixel(300, 2), qRgb(110, 90, 70))
        << "material above the middle of the groove";
    EXPECT_GT(pixelsOf(section, qRgb(255, 240, 180)), 1000) << "the one run's cut";
    EXPECT_GT(pixelsOf(section, qRgb(0, 255, 255)), 100) << "the design outline";
}

} // namespace
} // namespace quillmar
