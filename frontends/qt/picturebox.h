// A picture box: a bordered surface that keeps what was painted on it and reports presses in twips.
#pragma once

#include <QImage>
#include <QWidget>

#include "core/render/image_surface.h"
#include "core/render/surface.h"

namespace movra {

// Paints go into a persistent backing image, so the picture survives being
// covered; paint events only copy the dirty part of that image to the screen.
class PictureBox : public QWidget, public Surface {
    Q_OBJECT

public:
    // geometry: the whole box, border included, in the parent's logical pixels.
    PictureBox(const QRect& geometry, QWidget* parent);

    void FillBox(float x1, float y1, float x2, float y2, Colour colour) override;
    // Puts what was painted since the last refresh on the screen now: one
    // rectangle round all of it, in the wake of the handler that painted it.
    void Refresh();

signals:
    // button: 1 left, 2 right, 4 middle, summed over the buttons held, the
    // pressed one included. x, y: twips from the inner top-left corner.
    void MouseDown(int button, float x, float y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    ImageSurface surface_;  // one image pixel per logical pixel
    QImage image_;          // shares surface_'s pixels
};

}  // namespace movra
