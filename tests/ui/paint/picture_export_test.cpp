#include "graphics/recording_surface.h"
#include "picture_test_support.h"
#include "ui/paint/picture_export.h"

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace quillmar {
namespace {

using namespace quillmar::test;

class PictureExport : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.isValid());
        drawSamplePicture(surface_);
    }

    QString pathOf(const QString& name) const { return folder_.filePath(name); }

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
    const QString path = pathOf("cutting.PNG");
    QString error;
    ASSERT_TRUE(savePicture(surface_, path, kPictureSize, &error)) << error.toStdString();
    const QImage image(path);
    ASSERT_EQ(image.size(), kPictureSize);
    EXPECT_EQ(pixelColour(image, {0, 0}), QColor(8, 0, 0));
    EXPECT_EQ(pixelColour(image, pixelOf(0, -16)), QColor(0, 128, 0));
    EXPECT_EQ(pixelColour(image, pixelOf(5, -15)), QColor(128, 0, 128));
    EXPECT_EQ(pixelColour(image, pixelOf(6, -14)), QColor(255, 255, 0));
}

TEST_F(PictureExport, PngFollowsTheRequestedSize) {
    const QString path = pathOf("large.png");
    ASSERT_TRUE(savePicture(surface_, path, kPictureSize * 2, nullptr));
    const QImage image(path);
    ASSERT_EQ(image.size(), kPictureSize * 2);
    EXPECT_EQ(pixelColour(image, pixelOf(5, -15) * 2), QColor(128, 0, 128));
    EXPECT_EQ(pixelColour(image, pixelOf(0, -16) * 2), QColor(0, 128, 0));
}

TEST_F(PictureExport, SvgHoldsTheRecordedColours) {
    const QString path = pathOf("cutting.Svg");
    QString error;
    ASSERT_TRUE(savePicture(surface_, path, kPictureSize, &error)) << error.toStdString();
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
    ASSERT_TRUE(savePicture(surface_, path, kPictureSize, nullptr));
    EXPECT_EQ(QImage(path).size(), kPictureSize);
}

class RefusedName : public PictureExport, public ::testing::WithParamInterface<const char*> {};

TEST_P(RefusedName, IsRefusedWithAMessageAndNothingWritten) {
    const QString path = pathOf(GetParam());
    QString error;
    EXPECT_FALSE(savePicture(surface_, path, kPictureSize, &error));
    EXPECT_TRUE(error.contains(".png")) << error.toStdString();
    EXPECT_TRUE(error.contains(".svg")) << error.toStdString();
    EXPECT_FALSE(QFile::exists(path));
}

INSTANTIATE_TEST_SUITE_P(Extensions, RefusedName,
                         ::testing::Values("picture.bmp", "picture", "picture.png.txt",
                                           "picture.pngx", "png"));

TEST_F(PictureExport, MissingFolderIsReportedAndNotMade) {
    const QString path = pathOf("missing/picture.png");
    QString error;
    EXPECT_FALSE(savePicture(surface_, path, kPictureSize, &error));
    EXPECT_TRUE(error.contains("picture.png")) << error.toStdString();
    EXPECT_FALSE(QFile::exists(pathOf("missing")));
}

TEST_F(PictureExport, FileInPlaceOfAFolderIsReported) {
    writeFile(pathOf("plain"), "text");
    QString error;
    EXPECT_FALSE(savePicture(surface_, pathOf("plain/picture.svg"), kPictureSize, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(contentsOf(pathOf("plain")), QByteArray("text"));
}

TEST_F(PictureExport, SizesOutsideTheRangeAreRefusedAndTheFileKept) {
    const QString path = pathOf("kept.png");
    writeFile(path, "old picture");
    for (const QSize size : {QSize(0, 100), QSize(100, -1), QSize(kMaxPictureSide + 1, 10)}) {
        QString error;
        EXPECT_FALSE(savePicture(surface_, path, size, &error));
        EXPECT_FALSE(error.isEmpty());
    }
    EXPECT_EQ(contentsOf(path), QByteArray("old picture"));
}

// Lets a file grow only to a few bytes while it lives, so that a write fails part way
// as on a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit limited = previous_;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit previous_{};
    void (*previousHandler_)(int) = nullptr;
};

TEST_F(PictureExport, ExistingFileIsKeptWhenTheWriteFails) {
    for (const char* name : {"kept.png", "kept.svg"}) {
        const QString path = pathOf(name);
        writeFile(path, "old picture");
        QString error;
        bool saved = true;
        {
            const FileSizeLimit limit(64);
            saved = savePicture(surface_, path, kPictureSize, &error);
        }
        EXPECT_FALSE(saved) << name;
        EXPECT_FALSE(error.isEmpty()) << name;
        EXPECT_EQ(contentsOf(path), QByteArray("old picture")) << name;
        EXPECT_EQ(QDir(folder_.path()).entryList(QDir::Files).size(), 1) << name;
        QFile::remove(path);
    }
}

} // namespace
} // namespace quillmar
