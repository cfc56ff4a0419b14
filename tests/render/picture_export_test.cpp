#include "core/thread_job.h"
#include "graphics/graphics.h"
#include "graphics/recording_surface.h"
#include "nc/nc_line_reader.h"
#include "render/picture_export.h"
#include "tests/graphics/display_list.h"
#include "tests/render/picture_test_support.h"
#include "tests/support/file_size_limit.h"

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>

namespace quillmar {
namespace {

using namespace quillmar::test;
using testing::FileSizeLimit;

// The reason a save gives, empty when it saved.
QString failureOf(const Expected<void, QString>& saved) {
    return saved ? QString() : saved.error();
}

class PictureExport : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.isValid());
        drawSamplePicture(surface_);
    }

    QString pathOf(const QString& name) const { return folder_.filePath(name); }

    // The picture saved as a PNG file and read back; a null image when it was not saved.
    QImage savedPng(const RecordingSurface& surface, const QString& name, QSize size) const {
        const auto saved = savePicture(surface, pathOf(name), size);
        EXPECT_TRUE(saved) << failureOf(saved).toStdString();
        return QImage(pathOf(name));
    }

    static QByteArray contentsOf(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static void writeFile(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }

    QTemporaryDir folder_;
    RecordingSurface surface_;
};

TEST_F(PictureExport, PngShowsTheRecordedColours) {
    const QImage image = savedPng(surface_, "cutting.PNG", kPictureSize);
    ASSERT_EQ(image.size(), kPictureSize);
    EXPECT_EQ(pixelColour(image, {0, 0}), QColor(8, 0, 0));
    EXPECT_EQ(pixelColour(image, pixelOf(0, -16)), QColor(0, 128, 0));
    EXPECT_EQ(pixelColour(image, pixelOf(5, -15)), QColor(128, 0, 128));
    EXPECT_EQ(pixelColour(image, pixelOf(6, -14)), QColor(255, 255, 0));
}

TEST_F(PictureExport, PngFollowsTheRequestedSize) {
    const QImage image = savedPng(surface_, "large.png", kPictureSize * 2);
    ASSERT_EQ(image.size(), kPictureSize * 2);
    EXPECT_EQ(pixelColour(image, pixelOf(5, -15) * 2), QColor(128, 0, 128));
    EXPECT_EQ(pixelColour(image, pixelOf(0, -16) * 2), QColor(0, 128, 0));
}

TEST_F(PictureExport, SvgHoldsTheRecordedColours) {
    const QString path = pathOf("cutting.Svg");
    const auto saved = savePicture(surface_, path, kPictureSize);
    ASSERT_TRUE(saved) << failureOf(saved).toStdString();
    const QByteArray svg = contentsOf(path);
    EXPECT_TRUE(svg.startsWith("<?xml"));
    EXPECT_TRUE(svg.contains("</svg>"));
    for (const char* colour : {"#080000", "#008000", "#800080", "#ffff00"}) {
        EXPECT_TRUE(svg.contains(colour)) << colour;
    }
}

TEST_F(PictureExport, ReplacesAnExistingFile) {
    const QString path = pathOf("again.png");
    writeFile(path, "old picture");
    ASSERT_TRUE(savePicture(surface_, path, kPictureSize));
    EXPECT_EQ(QImage(path).size(), kPictureSize);
}

// The cutting graphic of the start of the FANUC sample program, on a 1200 x 600
// picture: Z from -91.04 over 132.48 mm, radius from 17.7 down over 5.6 mm.
class CuttingGraphicExport : public PictureExport {
protected:
    void SetUp() override {
        PictureExport::SetUp();
        ThreadJob job = testing::exampleJob();
        job.stockDiameter = 33;
        cutting_.setPixelHeight(kSize.height());
        NcLineReader reader;
        ASSERT_TRUE(drawCuttingGraphic(job,
                                       u"G00 X28. Z50. S700 M4\r\nG00 X32. Z17.7 M8\r\n"
                                       u"G32 Z-80. F12.7\r\nG00 X28.\r\n",
                                       reader, cutting_));
    }

    // The pixel of (z, diameter), worked out here from the scale the graphic sets.
    static QPoint pixelAt(double z, double diameter) {
        return QPoint(int(std::lround((z + 91.04) * kSize.width() / 132.48)),
                      int(std::lround((17.7 - diameter / 2) * kSize.height() / 5.6)));
    }

    static constexpr QSize kSize{1200, 600};
    RecordingSurface cutting_;
};

TEST_F(CuttingGraphicExport, PngShowsGridMovesAndMarks) {
    const QImage image = savedPng(cutting_, "cutting.png", kSize);
    ASSERT_EQ(image.size(), kSize);
    const auto near = [&](QPoint pixel, QColor colour) {
        for (const QPoint step :
             {QPoint(0, 0), QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
            if (pixelColour(image, pixel + step) == colour) {
                return true;
            }
        }
        return false;
    };
    EXPECT_EQ(pixelColour(image, {0, 0}), QColor(8, 0, 0));
    EXPECT_TRUE(near(pixelAt(-52.5, 33), QColor(0, 128, 0)));    // grid line X33
    EXPECT_TRUE(near(pixelAt(-50, 27.5), QColor(0, 128, 0)));    // grid line Z-50
    EXPECT_TRUE(near(pixelAt(0, 27.5), QColor(128, 128, 128)));  // Z0 in the button shadow
    EXPECT_TRUE(near(pixelAt(-32, 32), QColor(255, 255, 0)));    // thread move
    EXPECT_TRUE(near(pixelAt(-80, 30), QColor(128, 0, 128)));    // retract
    EXPECT_TRUE(near(pixelAt(30, 30.476), QColor(128, 0, 128))); // approach
    EXPECT_TRUE(near(pixelAt(5, 32), QColor(0, 255, 255)));      // pitch mark
    EXPECT_EQ(pixelColour(image, pixelAt(-52.5, 31.25)), QColor(8, 0, 0));
}

TEST_F(CuttingGraphicExport, SvgHoldsEveryColourOfThePicture) {
    const QString path = pathOf("cutting.svg");
    ASSERT_TRUE(savePicture(cutting_, path, kSize));
    const QByteArray svg = contentsOf(path);
    for (const char* colour :
         {"#080000", "#008000", "#808080", "#0000ff", "#c0c0c0", "#ffff00", "#800080", "#00ffff"}) {
        EXPECT_TRUE(svg.contains(colour)) << colour;
    }
}

class RefusedName : public PictureExport, public ::testing::WithParamInterface<const char*> {};

TEST_P(RefusedName, IsRefusedWithAMessageAndNothingWritten) {
    const QString path = pathOf(GetParam());
    const auto saved = savePicture(surface_, path, kPictureSize);
    EXPECT_FALSE(saved);
    const QString error = failureOf(saved);
    EXPECT_TRUE(error.contains(".png")) << error.toStdString();
    EXPECT_TRUE(error.contains(".svg")) << error.toStdString();
    EXPECT_FALSE(QFile::exists(path));
}

INSTANTIATE_TEST_SUITE_P(Extensions, RefusedName,
                         ::testing::Values("picture.bmp", "picture", "picture.png.txt",
                                           "picture.pngx", "png"));

TEST_F(PictureExport, MissingFolderIsReportedAndNotMade) {
    const QString path = pathOf("missing/picture.png");
    const auto saved = savePicture(surface_, path, kPictureSize);
    EXPECT_FALSE(saved);
    const QString error = failureOf(saved);
    EXPECT_TRUE(error.contains("picture.png")) << error.toStdString();
    EXPECT_FALSE(QFile::exists(pathOf("missing")));
}

TEST_F(PictureExport, FileInPlaceOfAFolderIsReported) {
    writeFile(pathOf("plain"), "text");
    const auto saved = savePicture(surface_, pathOf("plain/picture.svg"), kPictureSize);
    EXPECT_FALSE(saved);
    const QString error = failureOf(saved);
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(contentsOf(pathOf("plain")), QByteArray("text"));
}

TEST_F(PictureExport, SizesOutsideTheRangeAreRefusedAndTheFileKept) {
    const QString path = pathOf("kept.png");
    writeFile(path, "old picture");
    for (const QSize size : {QSize(0, 100), QSize(100, -1), QSize(kMaxPictureSide + 1, 10)}) {
        const auto saved = savePicture(surface_, path, size);
        EXPECT_FALSE(saved);
        const QString error = failureOf(saved);
        EXPECT_FALSE(error.isEmpty());
    }
    EXPECT_EQ(contentsOf(path), QByteArray("old picture"));
}

TEST_F(PictureExport, ExistingFileIsKeptWhenTheWriteFails) {
    for (const char* name : {"kept.png", "kept.svg"}) {
        const QString path = pathOf(name);
        writeFile(path, "old picture");
        QString error;
        {
            const FileSizeLimit limit(64);
            const auto saved = savePicture(surface_, path, kPictureSize);
            EXPECT_FALSE(saved) << name;
            error = failureOf(saved);
        }
        EXPECT_FALSE(error.isEmpty()) << name;
        EXPECT_EQ(contentsOf(path), QByteArray("old picture")) << name;
        EXPECT_EQ(QDir(folder_.path()).entryList(QDir::Files).size(), 1) << name;
        QFile::remove(path);
    }
}

} // namespace
} // namespace quillmar
