#include "jpeg_pictures.h"

#include "diagram_picture.h"

#include "suite/latin1.h"

#include <QBuffer>
#include <QFile>
#include <QImageWriter>

namespace osmira::render {

namespace {

std::string cannotWrite(const std::string& path, const QString& reason) {
    return suite::latin1FromUtf8("No se ha podido escribir la imagen ") +
           QFile::decodeName(path.c_str()).toLatin1().toStdString() + ": " + reason.toLatin1().toStdString();
}

} // namespace

std::optional<std::string> stageJpeg(const QImage& image, const std::string& path,
                                     suite::FileReplacement& files) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpg");
    writer.setQuality(90);
    if (!writer.write(image)) {
        // Qt's own reason is English, and for a picture of bounded size only a lack of memory.
        return cannotWrite(path, QStringLiteral("no se ha podido codificar la imagen en JPEG"));
    }
    const suite::FileSave staged =
        files.stage(path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (!staged.saved()) {
        return cannotWrite(path, QString::fromLatin1(staged.reason()));
    }
    return std::nullopt;
}

std::optional<std::string> JpegPictureWriter::writeDiagram(const std::string& path, const COsmiraDoc& step) {
    const QImage picture = diagramPicture(step);
    if (picture.isNull()) {
        return cannotWrite(
            path, QString::fromLatin1(suite::latin1FromUtf8("el diagrama no tiene hoja de aserción")));
    }
    return stageJpeg(picture, path, files_);
}

std::optional<std::string> JpegPictureWriter::writeDrawing(const std::string& path, int width, int height,
                                                           const std::function<void(Canvas&)>& draw) {
    const QImage picture = drawnPicture(0, 0, width, height, draw);
    if (picture.isNull()) {
        return cannotWrite(path, QString::fromLatin1(suite::latin1FromUtf8("el dibujo está vacío")));
    }
    return stageJpeg(picture, path, files_);
}

} // namespace osmira::render
