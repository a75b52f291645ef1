// Picture1 in Qt: a bordered widget that keeps what was painted on it and reports presses in twips.
#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

#include "core/render/image_surface.h"
#include "forms/controls.h"

namespace movra::qt {

// Paints go into a persistent backing image, so the picture survives being
// covered; paint events only copy the dirty part of that image to the screen.
class PondWidget : public QWidget, public forms::PictureBox {
public:
    // button: 1 left, 2 right, 4 middle, summed over the buttons held, the
    // pressed one included. x, y: twips from the inner top-left corner.
    using PressHandler = std::function<void(int button, float x, float y)>;

    // geometry: the whole box, border included, in the parent's logical pixels.
    PondWidget(const QRect& geometry, QWidget* parent);

    void OnPress(PressHandler press) { press_ = std::move(press); }

    void FillBox(float x1, float y1, float x2, float y2, Colour colour) override;
    // Puts what was painted since the last refresh on the screen now: one
    // rectangle round all of it, in the wake of the handler that painted it.
    void Refresh() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    ImageSurface surface_;  // one image pixel per logical pixel
    QImage image_;          // shares surface_'s pixels
    PressHandler press_;
};

}  // namespace movra::qt
