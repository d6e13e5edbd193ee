#include "artwork.h"
#include "picture_archive.h"
#include "pictures.h"
#include "window_artwork.h"

#include <gtest/gtest.h>

namespace zudaviror {
namespace {

// Pictures compared pixel for pixel, whatever the format they are held in.
QImage pixels(const QImage& picture) {
    return picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QImage pixels(const QPixmap& picture) {
    return pixels(picture.toImage());
}

// What the build drew reaches the program pixel for pixel: names, sizes, byte order, alpha.
TEST(ArtworkTest, ProgramShowsWhatTheBuildDrew) {
    const std::vector<std::pair<QString, QImage>> drawn = app::drawWindowArtwork();
    EXPECT_EQ(pixels(app::coverPicture()), pixels(drawn.front().second));
    const app::PictureArchive archive(app::writePictureArchive(drawn));
    for (const auto& [name, picture] : drawn) {
        EXPECT_FALSE(picture.isNull()) << name.toStdString();
        EXPECT_EQ(archive.picture(name), picture) << name.toStdString();
    }
    for (const app::CommandKey& key : app::kCommandKeys) {
        const app::KeyPictures pictures = app::commandKeyPictures(key.word);
        EXPECT_EQ(pixels(pictures.up()), pixels(archive.picture(app::commandKeyPictureName(key.word))))
            << key.word;
        EXPECT_EQ(pictures.disabled().isNull(), !key.canBeDisabled) << key.word;
    }
    for (const app::LabelPlace& label : app::kLabelPlaces) {
        EXPECT_EQ(pixels(app::labelPicture(label.words)),
                  pixels(archive.picture(app::labelPictureName(label.words))))
            << label.name;
    }
}

// The accents of "Átomos" and "FÓRMULA" were cut off at the top: no letter may touch the edges.
TEST(ArtworkTest, LabelPicturesHoldTheirWholeWords) {
    for (const app::LabelPlace& label : app::kLabelPlaces) {
        const QImage picture = pixels(app::drawLabel(QString::fromUtf8(label.words)));
        const QRgb background = picture.pixel(0, 0);
        int inkAtEdges = 0;
        for (int x = 0; x < picture.width(); ++x) {
            inkAtEdges += picture.pixel(x, 0) != background;
        }
        for (int y = 0; y < picture.height(); ++y) {
            inkAtEdges +=
                (picture.pixel(0, y) != background) + (picture.pixel(picture.width() - 1, y) != background);
        }
        EXPECT_EQ(inkAtEdges, 0) << label.name;
    }
}

TEST(ArtworkTest, ArchiveKeepsOnlyThePicturesItHoldsWhole) {
    QImage red(3, 2, QImage::Format_ARGB32_Premultiplied);
    red.fill(QColor(255, 0, 0, 128));
    QImage blue(2, 2, QImage::Format_RGB32);
    blue.fill(Qt::blue);
    const QByteArray whole =
        app::writePictureArchive({{QStringLiteral("red"), red}, {QStringLiteral("blue"), blue}});
    // The same bytes at an address that is not a multiple of four: read by copying.
    const QByteArray shifted = QByteArray(1, '\0') + whole;
    const int blueEntry = 4 + 4 + 3 * 4 + 2 * 2 * 4;
    const struct {
        const char* name;
        QByteArray bytes;
        bool red, blue;
    } cases[] = {
        {"whole", whole, true, true},
        {"whole, not aligned", QByteArray::fromRawData(shifted.constData() + 1, whole.size()), true, true},
        {"last picture cut short", whole.first(whole.size() - 1), true, false},
        {"only the first picture", whole.first(whole.size() - blueEntry), true, false},
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
