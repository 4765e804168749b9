// Corvalle Lyrabel — redraws the program's pictures.
//
// Usage: draw-assets OUTDIR
//   Writes icon.png, okglyph.png, mascot.png, face.png, grandstaff.png,
//   grandstaff34.png, restis.png, restis8.png and restis16.png into OUTDIR.
//   Run it on assets/ after changing the drawing code (assetpictures.cpp) and
//   commit the PNGs with the change; test_pictures compares the two.
#include "assetpictures.h"

#include <QDir>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTDIR\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.exists()) {
        std::fprintf(stderr, "%s: no such directory\n", argv[1]);
        return 1;
    }
    int failures = 0;
    for (const assets::Picture& picture : assets::allPictures()) {
        const QString path = out.filePath(QString::fromLatin1(picture.file));
        if (!picture.image.save(path, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
