#include "picture_archive.h"
#include "pictures.h"
#include "window_artwork.h"

#include <gtest/gtest.h>

namespace zudaviror {
namespace {

// An opaque picture becomes an RGB32 pixmap: compared in the archive's format.
QImage pixels(const QPixmap& picture) {
    return picture.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// What the build drew reaches the program pixel for pixel: names, sizes, byte order, alpha.
TEST(ArtworkTest, ProgramShowsWhatTheBuildDrew) {
    const std::vector<std::pair<QString, QImage>> drawn = app::drawWindowArtwork();
    EXPECT_EQ(pixels(app::coverPicture()), drawn.front().second);
    const app::PictureArchive archive(app::writePictureArchive(drawn));
    for (const auto& [name, picture] : drawn) {
        EXPECT_FALSE(picture.isNull()) << name.toStdString();
        EXPECT_EQ(archive.picture(name), picture) << name.toStdString();
    }
    for (const app::CommandKey& key : app::kCommandKeys) {
        const app::KeyPictures pictures = app::commandKeyPictures(key.word);
        EXPECT_EQ(pixels(pictures.up()), archive.picture(app::commandKeyPictureName(key.word))) << key.word;
        EXPECT_EQ(pictures.disabled().isNull(), !key.canBeDisabled) << key.word;
    }
    for (const app::LabelPlace& label : app::kLabelPlaces) {
        EXPECT_EQ(pixels(app::labelPicture(label.words)), archive.picture(app::labelPictureName(label.words)))
            << label.name;
    }
}

TEST(ArtworkTest, ArchiveKeepsOnlyThePicturesItHoldsWhole) {
    QImage red(3, 2, QImage::Format_ARGB32_Premultiplied);
    red.fill(QColor(255, 0, 0, 128));
    QImage blue(2, 2, QImage::Format_ARGB32_Premultiplied);
    blue.fill(Qt::blue);
    const QByteArray whole =
        app::writePictureArchive({{QStringLiteral("red"), red}, {QStringLiteral("blue"), blue}});
    const struct {
        const char* name;
        QByteArray bytes;
        bool red, blue;
    } cases[] = {
        {"whole", whole, true, true},
        {"last picture cut short", whole.first(whole.size() - 1), true, false},
        {"only the first picture", whole.first(whole.size() - (4 + 4 + 8 + 16)), true, false},
        {"no magic", whole.mid(1), false, false},
        {"empty", QByteArray(), false, false},
    };
    for (const auto& test : cases) {
        const app::PictureArchive archive(test.bytes);
        EXPECT_EQ(archive.picture(QStringLiteral("red")), test.red ? red : QImage()) << test.name;
        EXPECT_EQ(archive.picture(QStringLiteral("blue")), test.blue ? blue : QImage()) << test.name;
        EXPECT_TRUE(archive.picture(QStringLiteral("green")).isNull()) << test.name;
    }
}

} // namespace
} // namespace zudaviror
