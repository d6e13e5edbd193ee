#include "jpeg_pictures.h"

#include "diagram_picture.h"

#include "suite/latin1.h"

#include <QBuffer>
#include <QFile>
#include <QImageWriter>

#include <algorithm>

namespace osmira::render {

namespace {

std::string cannotWrite(const std::string& path, const QString& reason) {
    return suite::latin1FromUtf8("No se ha podido escribir la imagen ") +
           QFile::decodeName(path.c_str()).toLatin1().toStdString() + ": " + reason.toLatin1().toStdString();
}

// The image as baseline JPEG; empty when it could not be encoded.
QByteArray jpegOf(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpg");
    writer.setQuality(90);
    if (!writer.write(image)) {
        return {};
    }
    return bytes;
}

std::optional<std::string> stage(const QByteArray& jpeg, const std::string& path,
                                 suite::FileReplacement& files) {
    if (jpeg.isEmpty()) {
        // Qt's own reason is English, and for a picture of bounded size only a lack of memory.
        return cannotWrite(path, QStringLiteral("no se ha podido codificar la imagen en JPEG"));
    }
    const suite::FileSave staged =
        files.stage(path, std::string_view(jpeg.constData(), static_cast<std::size_t>(jpeg.size())));
    if (!staged.saved()) {
        return cannotWrite(path, QString::fromLatin1(staged.reason()));
    }
    return std::nullopt;
}

// Steps of more elements are drawn each time: recording them costs memory, and they are rarely
// shown twice.
constexpr std::size_t kElementsOfASmallStep = 64;
constexpr std::size_t kPicturesKept = 4;

} // namespace

const JpegPictureWriter::Written* JpegPictureWriter::writtenLately(const Drawing& drawing) const {
    const auto found = std::find_if(lately_.begin(), lately_.end(), [&drawing](const Written& written) {
        return written.drawing.bounds == drawing.bounds && written.drawing.shapes == drawing.shapes;
    });
    return found != lately_.end() ? &*found : nullptr;
}

std::optional<std::string> JpegPictureWriter::writeDiagram(const std::string& path, const COsmiraDoc& step) {
    const bool small = step.GetElements().size() <= kElementsOfASmallStep;
    Drawing drawing = small ? stepDrawing(step) : Drawing{};
    if (const Written* written = small ? writtenLately(drawing) : nullptr) {
        return stage(written->jpeg, path, files_);
    }
    const QImage picture = diagramPicture(step);
    if (picture.isNull()) {
        return cannotWrite(
            path, QString::fromLatin1(suite::latin1FromUtf8("el diagrama no tiene hoja de aserción")));
    }
    const QByteArray jpeg = jpegOf(picture);
    if (small && !jpeg.isEmpty()) {
        lately_.push_front({std::move(drawing), jpeg});
        if (lately_.size() > kPicturesKept) {
            lately_.pop_back();
        }
    }
    return stage(jpeg, path, files_);
}

std::optional<std::string> JpegPictureWriter::writeDrawing(const std::string& path, int width, int height,
                                                           const std::function<void(Canvas&)>& draw) {
    const QImage picture = drawnPicture(0, 0, width, height, draw);
    if (picture.isNull()) {
        return cannotWrite(path, QString::fromLatin1(suite::latin1FromUtf8("el dibujo está vacío")));
    }
    return stage(jpegOf(picture), path, files_);
}

} // namespace osmira::render
