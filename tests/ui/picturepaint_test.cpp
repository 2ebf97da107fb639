#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "ui/picturepaint.h"

using mx::ui::beginPicture;
using mx::ui::fillBox;

// A picture's shapes are written on a logical canvas; the same box must land on the
// same part of the pixmap at any size, each axis scaled on its own.
TEST(PicturePaint, CanvasMapsBoxesOntoThePixmap) {
    const QColor red(200, 0, 0), none(Qt::transparent), white(Qt::white);
    struct Row {
        const char* what;
        QSize size;
        double w, h;
        QColor background;
        QRectF box;
        double radius;
        QPoint probe;
        QColor expected;
    } rows[] = {
        {"inside the scaled box", {20, 20}, 100, 100, none, {0, 0, 50, 50}, 0, {4, 4}, red},
        {"past the scaled box", {20, 20}, 100, 100, none, {0, 0, 50, 50}, 0, {15, 15}, none},
        {"background fills the rest", {20, 20}, 100, 100, white, {0, 0, 50, 50}, 0, {15, 15}, white},
        {"x doubled, y kept: inside", {96, 48}, 48, 48, none, {24, 0, 24, 24}, 0, {60, 10}, red},
        {"x doubled, y kept: left of it", {96, 48}, 48, 48, none, {24, 0, 24, 24}, 0, {40, 10}, none},
        {"x doubled, y kept: below it", {96, 48}, 48, 48, none, {24, 0, 24, 24}, 0, {60, 30}, none},
        {"rounded box leaves its corner", {40, 40}, 40, 40, white, {0, 0, 40, 40}, 10, {1, 1}, white},
        {"rounded box fills its middle", {40, 40}, 40, 40, white, {0, 0, 40, 40}, 10, {20, 20}, red},
        {"empty canvas draws unscaled", {20, 20}, 0, 0, none, {0, 0, 5, 5}, 0, {2, 2}, red},
        {"empty canvas, past the box", {20, 20}, 0, 0, none, {0, 0, 5, 5}, 0, {10, 10}, none},
    };
    for (const Row& r : rows) {
        QPainter p;
        const QPixmap pm = beginPicture(r.size, p, r.w, r.h, r.background);
        p.setPen(Qt::NoPen);
        fillBox(p, r.box, red, r.radius);
        p.end();
        const QImage img = pm.toImage();
        EXPECT_EQ(img.size(), r.size) << r.what;
        EXPECT_EQ(img.pixelColor(r.probe).rgba(), r.expected.rgba()) << r.what;
    }
}
