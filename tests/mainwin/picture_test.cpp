// Loading the front-panel picture: the built-in one, and files that are
// missing or damaged, which must give a clear failure and never a crash.
#include "FrontPanelPicture.h"
#include "KswResources.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>

namespace {

QByteArray builtInJpeg()
{
    QFile f(FrontPanelPicturePath());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(FrontPanelPicture, BuiltInPictureHasThePanelSize)
{
    const KswPicture p = LoadFrontPanelPicture();
    ASSERT_TRUE(p.Ok()) << p.Error.toStdString();
    EXPECT_EQ(p.Image.size(), QSize(872, 77));
    EXPECT_TRUE(p.Error.isEmpty());
    EXPECT_FALSE(ModuleIcon().isNull());
    EXPECT_EQ(ModuleIconPixmap().size(), QSize(32, 32));
}

struct FileCase {
    const char* Name;
    std::function<QByteArray()> Content;  // null: the file is not created
    bool Ok;
};

class PictureFile : public ::testing::TestWithParam<FileCase> {};

TEST_P(PictureFile, LoadsOrSaysWhy)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("frontpanel.jpg"));
    if (GetParam().Content) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(GetParam().Content());
    }
    const KswPicture p = LoadPicture(path);
    EXPECT_EQ(p.Ok(), GetParam().Ok) << p.Error.toStdString();
    if (GetParam().Ok) {
        EXPECT_EQ(p.Image.size(), QSize(872, 77));
    } else {
        EXPECT_TRUE(p.Image.isNull());
        EXPECT_TRUE(p.Error.contains(path)) << p.Error.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, PictureFile,
    ::testing::Values(
        FileCase{"copy", [] { return builtInJpeg(); }, true},
        FileCase{"missing", nullptr, false},
        FileCase{"empty", [] { return QByteArray(); }, false},
        FileCase{"garbage", [] { return QByteArray(4096, '\x5a'); }, false},
        FileCase{"header_only", [] { return builtInJpeg().left(64); }, false},
        FileCase{"bad_markers", [] { QByteArray b = builtInJpeg(); b.replace(2, 200, QByteArray(200, '\xff')); return b; },
                 false}),
    [](const ::testing::TestParamInfo<FileCase>& i) { return std::string(i.param.Name); });

TEST(FrontPanelPicture, AFolderIsNotAPicture)
{
    QTemporaryDir dir;
    const KswPicture p = LoadPicture(dir.path());
    EXPECT_FALSE(p.Ok());
    EXPECT_FALSE(p.Error.isEmpty());
}

} // namespace

namespace {

TEST(FrontPanelPicture, WindowShowsThePictureOrAPlainPanelAndAStatusLine)
{
    QLabel image;
    QStringList status;
    const auto toStatus = [&status](const QString& line) { status << line; };

    EXPECT_TRUE(ShowFrontPanelPicture(image, toStatus));
    EXPECT_FALSE(image.pixmap().isNull());
    EXPECT_TRUE(status.isEmpty());

    // Replacing a shown picture by a damaged one must not leave the old one up.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("frontpanel.jpg"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(builtInJpeg().left(64));
    f.close();
    EXPECT_FALSE(ShowFrontPanelPicture(image, toStatus, path));
    EXPECT_TRUE(image.pixmap().isNull());
    EXPECT_TRUE(image.autoFillBackground());
    ASSERT_EQ(status.size(), 1);
    EXPECT_TRUE(status[0].contains(path));
}

} // namespace
