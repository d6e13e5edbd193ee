// zudaviror-artwork FILE: draws the main window's pictures and writes them as one archive, which
// the build puts among the program's resources.
#include "picture_archive.h"
#include "window_artwork.h"

#include "suite/file_saving.h"
#include "suite/latin1.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv) {
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "uso: zudaviror-artwork FICHERO\n");
        return 2;
    }
    const QByteArray bytes = zudaviror::app::writePictureArchive(zudaviror::app::drawWindowArtwork());
    const suite::FileSave save = suite::replaceFile(
        argv[1], std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (!save.saved()) {
        std::fprintf(stderr, "zudaviror-artwork: %s: %s\n", argv[1],
                     suite::utf8FromLatin1(save.reason()).c_str());
        return 1;
    }
    return 0;
}
