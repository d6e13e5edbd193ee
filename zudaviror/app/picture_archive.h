#pragma once

#include <QByteArray>
#include <QHash>
#include <QImage>
#include <QString>

#include <utility>
#include <vector>

// Named pictures in one block of bytes, as the build hands the drawn artwork to the program:
//   "ZUDAVIROR-ARTWORK 2\n", then for each picture its name's length, its name (UTF-8, padded
//   with zeros to a multiple of four bytes), its width, its height, its kind (0 opaque, 1 with
//   transparency) and width x height pixels (0xffRRGGBB, or premultiplied ARGB), every number a
//   32-bit little-endian word. Uncompressed and aligned, so the program shows the pictures from
//   where they lie, without decoding or copying them.
namespace zudaviror::app {

QByteArray writePictureArchive(const std::vector<std::pair<QString, QImage>>& pictures);

class PictureArchive {
  public:
    // Indexes the pictures up to the end, or up to the first one the bytes do not hold whole.
    explicit PictureArchive(QByteArray bytes);

    // The picture of that name, a null image when the archive has none. It shares the archive's
    // bytes where they lie aligned in this machine's byte order: it is valid while they live.
    QImage picture(const QString& name) const;

  private:
    struct Entry {
        qsizetype offset;
        int width;
        int height;
        QImage::Format format;
    };
    QByteArray bytes_;
    QHash<QString, Entry> entries_;
};

} // namespace zudaviror::app
