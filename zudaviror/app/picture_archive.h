#pragma once

#include <QByteArray>
#include <QHash>
#include <QImage>
#include <QString>

#include <utility>
#include <vector>

// Named pictures in one block of bytes, as the build hands the drawn artwork to the program:
//   "ZUDAVIROR-ARTWORK\n", then for each picture its name's length and name (UTF-8), its width,
//   its height and width x height premultiplied ARGB pixels, every number a 32-bit little-endian
//   word. Uncompressed, so a picture costs the program one copy and no decoding.
namespace zudaviror::app {

QByteArray writePictureArchive(const std::vector<std::pair<QString, QImage>>& pictures);

class PictureArchive {
  public:
    // Indexes the pictures up to the end, or up to the first one the bytes do not hold whole.
    explicit PictureArchive(QByteArray bytes);

    // The picture of that name; a null image when the archive has none.
    QImage picture(const QString& name) const;

  private:
    struct Entry {
        qsizetype offset;
        int width;
        int height;
    };
    QByteArray bytes_;
    QHash<QString, Entry> entries_;
};

} // namespace zudaviror::app
