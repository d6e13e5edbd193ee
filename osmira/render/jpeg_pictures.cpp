#include "jpeg_pictures.h"

#include "diagram_picture.h"
#include "painter_canvas.h"

#include "suite/latin1.h"

#include <QFile>
#include <QImageWriter>
#include <QPainter>
#include <QSaveFile>

namespace osmira::render {

namespace {

std::string CannotWrite(const std::string& path, const QString& reason) {
    return suite::latin1FromUtf8("No se ha podido escribir la imagen ") +
           QFile::decodeName(path.c_str()).toLatin1().toStdString() + ": " + reason.toLatin1().toStdString();
}

} // namespace

std::optional<std::string> SaveJpeg(const QImage& image, const std::string& path) {
    QSaveFile file(QFile::decodeName(path.c_str()));
    if (!file.open(QIODevice::WriteOnly)) {
        return CannotWrite(path, file.errorString());
    }
    QImageWriter writer(&file, "jpg");
    writer.setQuality(90);
    if (!writer.write(image)) {
        file.cancelWriting();
        return CannotWrite(path, writer.errorString());
    }
    if (!file.commit()) {
        return CannotWrite(path, file.errorString());
    }
    return std::nullopt;
}

std::optional<std::string> JpegPictureWriter::WriteDiagram(const std::string& path, const COsmiraDoc& step) {
    const QImage picture = DiagramPicture(step);
    if (picture.isNull()) {
        return CannotWrite(
            path, QString::fromLatin1(suite::latin1FromUtf8("el diagrama no tiene hoja de aserción")));
    }
    return SaveJpeg(picture, path);
}

std::optional<std::string> JpegPictureWriter::WriteDrawing(const std::string& path, int width, int height,
                                                           const std::function<void(Canvas&)>& draw) {
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(Qt::white);
    {
        QPainter painter(&picture);
        PainterCanvas canvas(painter);
        draw(canvas);
    }
    return SaveJpeg(picture, path);
}

} // namespace osmira::render
