// zudaviror-artwork FILE: draws the main window's pictures and writes them as one archive, which
// the build puts among the program's resources.
#include "picture_archive.h"
#include "window_artwork.h"

#include <QGuiApplication>
#include <QSaveFile>

#include <cstdio>

int main(int argc, char** argv) {
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "uso: zudaviror-artwork FICHERO\n");
        return 2;
    }
    QSaveFile file(QString::fromLocal8Bit(argv[1]));
    const QByteArray bytes = zudaviror::app::writePictureArchive(zudaviror::app::drawWindowArtwork());
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        std::fprintf(stderr, "zudaviror-artwork: %s: %s\n", argv[1], qPrintable(file.errorString()));
        return 1;
    }
    return 0;
}
