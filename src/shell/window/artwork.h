#pragma once
// The program's pictures, drawn in code so that they scale cleanly and need no image
// files: the menu's face strip and city skyline, the button icons, and the identity
// window's typed-name strip and its small icons.
#include <QIcon>
#include <QPixmap>
#include <QString>
#include <vector>

namespace mx::shell {

// An image divided into a grid of equal cells, numbered row by row from 0.
class PictureClip {
public:
    PictureClip() = default;
    PictureClip(QPixmap strip, int rows, int cols);
    int rows() const { return rows_; }
    int cols() const { return cols_; }
    int count() const { return rows_ * cols_; }
    QSize cellSize() const;
    // Cell i; an index outside the strip gives an empty pixmap.
    QPixmap cell(int i) const;
    const QPixmap& strip() const { return strip_; }

private:
    QPixmap strip_;
    int rows_ = 0;
    int cols_ = 0;
};

// 600 x 300: 3 rows x 6 columns of 100 x 100 cells, a face that blinks and smiles.
QPixmap faceStrip();
// 512 x 400: a city skyline at dusk.
QPixmap skylinePicture();
// 750 x 150: 3 rows x 6 columns of 125 x 50 cells typing out the program's name.
QPixmap nameStrip();
// 18 icons of 32 x 32 that turn in step with the name strip.
std::vector<QIcon> identityIcons();

// The program's own icon: the identity icon with its ring full.
QIcon programIcon();

// The menu button icons, by button object name ("Command1" ... "Command12"); drawn in
// menuicons.cpp.
QIcon menuIcon(const QString& button, int size = 40);

}  // namespace mx::shell
