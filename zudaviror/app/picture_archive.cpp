#include "picture_archive.h"

#include <QSysInfo>
#include <QtEndian>

namespace zudaviror::app {

namespace {

constexpr char kMagic[] = "ZUDAVIROR-ARTWORK 2\n";
constexpr qsizetype kMagicSize = sizeof(kMagic) - 1;
// No picture of the program is near this side; it keeps width x height x 4 far from overflow.
constexpr quint32 kLargestSide = 8192;
constexpr quint32 kOpaque = 0;
constexpr quint32 kTransparent = 1;

qsizetype paddedToWords(qsizetype size) {
    return (size + 3) / 4 * 4;
}

void appendWord(QByteArray& bytes, quint32 word) {
    const quint32 little = qToLittleEndian(word);
    bytes.append(reinterpret_cast<const char*>(&little), sizeof little);
}

// Reads the word at `offset` and moves past it; false when the bytes end first.
bool readWord(const QByteArray& bytes, qsizetype& offset, quint32& word) {
    if (bytes.size() - offset < static_cast<qsizetype>(sizeof word)) {
        return false;
    }
    word = qFromLittleEndian<quint32>(bytes.constData() + offset);
    offset += sizeof word;
    return true;
}

} // namespace

QByteArray writePictureArchive(const std::vector<std::pair<QString, QImage>>& pictures) {
    QByteArray bytes(kMagic, kMagicSize);
    for (const auto& [name, picture] : pictures) {
        const bool opaque = !picture.hasAlphaChannel();
        const QImage pixels =
            picture.convertToFormat(opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
        const QByteArray utf8 = name.toUtf8();
        appendWord(bytes, static_cast<quint32>(utf8.size()));
        bytes.append(utf8);
        bytes.append(paddedToWords(utf8.size()) - utf8.size(), '\0');
        appendWord(bytes, static_cast<quint32>(pixels.width()));
        appendWord(bytes, static_cast<quint32>(pixels.height()));
        appendWord(bytes, opaque ? kOpaque : kTransparent);
        for (int y = 0; y < pixels.height(); ++y) {
            const auto* line = reinterpret_cast<const quint32*>(pixels.constScanLine(y));
            for (int x = 0; x < pixels.width(); ++x) {
                appendWord(bytes, line[x]);
            }
        }
    }
    return bytes;
}

PictureArchive::PictureArchive(QByteArray bytes) : bytes_(std::move(bytes)) {
    if (!bytes_.startsWith(QByteArrayView(kMagic, kMagicSize))) {
        return;
    }
    qsizetype offset = kMagicSize;
    quint32 nameSize = 0, width = 0, height = 0, kind = 0;
    while (readWord(bytes_, offset, nameSize) &&
           bytes_.size() - offset >= paddedToWords(static_cast<qsizetype>(nameSize))) {
        const QString name = QString::fromUtf8(bytes_.constData() + offset, static_cast<qsizetype>(nameSize));
        offset += paddedToWords(nameSize);
        if (!readWord(bytes_, offset, width) || !readWord(bytes_, offset, height) ||
            !readWord(bytes_, offset, kind) || width > kLargestSide || height > kLargestSide ||
            (kind != kOpaque && kind != kTransparent)) {
            return;
        }
        const qsizetype pixelBytes = static_cast<qsizetype>(width) * height * 4;
        if (bytes_.size() - offset < pixelBytes) {
            return;
        }
        const QImage::Format format =
            kind == kOpaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied;
        entries_.insert(name, {offset, static_cast<int>(width), static_cast<int>(height), format});
        offset += pixelBytes;
    }
}

QImage PictureArchive::picture(const QString& name) const {
    const auto found = entries_.constFind(name);
    if (found == entries_.cend()) {
        return {};
    }
    const auto* pixels = reinterpret_cast<const uchar*>(bytes_.constData() + found->offset);
    const qsizetype lineBytes = static_cast<qsizetype>(found->width) * 4;
    if (QSysInfo::ByteOrder == QSysInfo::LittleEndian && reinterpret_cast<quintptr>(pixels) % 4 == 0) {
        return QImage(pixels, found->width, found->height, lineBytes, found->format);
    }
    QImage picture(found->width, found->height, found->format);
    for (int y = 0; y < picture.height(); ++y) {
        qFromLittleEndian<quint32>(pixels + y * lineBytes, found->width, picture.scanLine(y));
    }
    return picture;
}

} // namespace zudaviror::app
