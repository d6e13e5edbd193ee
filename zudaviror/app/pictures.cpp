#include "pictures.h"

#include "artwork.h"
#include "picture_archive.h"
#include "window_artwork.h"

#include <QIconEngine>
#include <QPainter>
#include <QResource>

#include <algorithm>

namespace zudaviror::app {

namespace {

const PictureArchive& shippedArtwork() {
    // Uncompressed in the program's resources: uncompressedData() does not copy it.
    static const PictureArchive archive(QResource(QStringLiteral(":/zudaviror/artwork")).uncompressedData());
    return archive;
}

// The pixmap shows the picture where it lies in the program's resources: each picture's kind
// is in the archive, so Qt need not look for transparent pixels or convert.
QPixmap shippedPicture(const QString& name) {
    return QPixmap::fromImage(shippedArtwork().picture(name), Qt::NoOpaqueDetection);
}

KeyPictures shippedKeyPictures(const QString& name) {
    return KeyPictures(shippedPicture(name), shippedPicture(disabledPictureName(name)));
}

// Draws the icon at the size it is asked for, when it is asked for.
class ProgramIconEngine : public QIconEngine {
  public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
        return QPixmap::fromImage(drawIcon(std::min(size.width(), size.height())));
    }
    QIconEngine* clone() const override { return new ProgramIconEngine; }
};

} // namespace

KeyPictures::KeyPictures(QPixmap up, QPixmap disabled) : up_(std::move(up)), disabled_(std::move(disabled)) {}

const QPixmap& KeyPictures::down() const {
    if (!down_) {
        down_ = QPixmap::fromImage(drawDownKey(up_.toImage()));
    }
    return *down_;
}

const QPixmap& KeyPictures::focused() const {
    if (!focused_) {
        focused_ = QPixmap::fromImage(drawFocusedKey(up_.toImage()));
    }
    return *focused_;
}

KeyPictures symbolKeyPictures(const SymbolKey& key) {
    return shippedKeyPictures(symbolKeyPictureName(key));
}

KeyPictures commandKeyPictures(std::string_view word) {
    return shippedKeyPictures(commandKeyPictureName(word));
}

QPixmap labelPicture(const char* words) {
    return shippedPicture(labelPictureName(words));
}

QPixmap coverPicture() {
    return shippedPicture(coverPictureName());
}

QIcon programIcon() {
    return QIcon(new ProgramIconEngine);
}

} // namespace zudaviror::app
