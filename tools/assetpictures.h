// Corvalle Lyrabel — the program's pictures, drawn in code so that they can be
// redrawn and checked; the PNGs kept in assets/ are this code's output.
#pragma once

#include <QImage>

#include <vector>

namespace assets {

QImage drawIcon();                                 // icon.png, 32×32, 16 colours
QImage drawOkGlyph();                              // okglyph.png, 18×18, transparent ground
QImage drawMascot();                               // mascot.png, 159×232, on purple
QImage drawFace();                                 // face.png, 100×100, 16 colours
QImage drawGrandStaff(bool withTimeSignature);     // grandstaff(34).png, 343×114, black on white
QImage drawQuarterRest();                          // restis.png, 20×42, black on white
QImage drawEighthRest();                           // restis8.png, 25×49, black on white
QImage drawSixteenthRest();                        // restis16.png, 29×55, black on white

struct Picture {
    const char* file;  // name under assets/
    QImage image;
};

// Every picture with the file it is kept in.
std::vector<Picture> allPictures();

}  // namespace assets
