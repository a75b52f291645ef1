// Picture1 in Qt: a bordered widget that keeps what was painted on it, reports presses in twips and plays the pond's keys.
#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

#include "core/render/image_surface.h"
#include "forms/controls.h"
#include "forms/pond_cursor.h"

namespace movra::qt {

// Paints go into a persistent backing image, so the picture survives being
// covered; paint events only copy the dirty part of that image to the screen,
// enlarged by the zoom.
class PondWidget : public QWidget, public forms::PictureBox {
public:
    // button: 1 left, 2 right, 4 middle, summed over the buttons held, the
    // pressed one included. x, y: twips from the inner top-left corner.
    using PressHandler = std::function<void(int button, float x, float y)>;
    // fast: Ctrl or Shift held.
    using KeyHandler = std::function<void(forms::PondKey key, bool fast)>;

    // design: the whole box, border included, in the parent's logical pixels at 1x.
    PondWidget(const QRect& design, QWidget* parent);

    void OnPress(PressHandler press) { press_ = std::move(press); }
    void OnKey(KeyHandler key) { key_ = std::move(key); }

    // The box as designed, every logical pixel made factor pixels, border included.
    void Zoom(int factor);
    // The whole parent black, the inner area alone at the largest whole
    // factor of device pixels that fits, centred: full screen.
    void FillParent();

    // Where a point of the inner area, in twips, is in this widget's pixels.
    QPoint FromTwips(float x, float y) const;

    void FillBox(float x1, float y1, float x2, float y2, Colour colour) override;
    // Puts what was painted since the last refresh on the screen now: one
    // rectangle round all of it, in the wake of the handler that painted it.
    void Refresh() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    // inner: where the image goes, in this widget's logical pixels.
    void Place(const QRectF& inner, const QColor& frame);
    // Device pixels to a logical pixel of the pond at 1x: what presses are counted in.
    double Density() const;

    QRect design_;
    ImageSurface surface_;  // one image pixel per logical pixel at 1x
    QImage image_;          // shares surface_'s pixels
    QRectF inner_;
    QColor frame_;  // the border, or full screen's surround
    int zoom_ = 1;
    int fullScreenFactor_ = 0;  // device pixels to a pond pixel while filling the parent
    PressHandler press_;
    KeyHandler key_;
};

}  // namespace movra::qt
