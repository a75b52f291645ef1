#include "frontends/qt/pond_widget.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "core/model/press.h"
#include "forms/zoom.h"
#include "frontends/qt/keys.h"

namespace movra::qt {
namespace {

constexpr int BorderWidth = 1;  // logical pixels at 1x

QSize InnerSize(const QRect& design) { return design.size() - QSize(2 * BorderWidth, 2 * BorderWidth); }

int ButtonCode(Qt::MouseButtons buttons) {
    return (buttons & Qt::LeftButton ? 1 : 0) + (buttons & Qt::RightButton ? 2 : 0) +
           (buttons & Qt::MiddleButton ? 4 : 0);
}

}  // namespace

PondWidget::PondWidget(const QRect& design, QWidget* parent)
    : QWidget(parent),
      design_(design),
      surface_(InnerSize(design).width(), InnerSize(design).height(), 1.0,
               parent->palette().color(QPalette::Button).rgb() & 0xffffffu),
      image_(reinterpret_cast<const uchar*>(surface_.pixels()), surface_.width(), surface_.height(),
             QImage::Format_RGB32) {
    // Every paint covers the whole update with the image or the border, so
    // the window's grey need not be painted underneath first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    Zoom(1);
}

void PondWidget::Zoom(int factor) {
    zoom_ = factor;
    fullScreenFactor_ = 0;
    setGeometry(QRect(design_.topLeft() * factor, design_.size() * factor));
    Place(QRectF(BorderWidth * factor, BorderWidth * factor, image_.width() * factor, image_.height() * factor),
          palette().color(QPalette::WindowText));
}

void PondWidget::FillParent() {
    setGeometry(parentWidget()->rect());
    // Whole device pixels to a pond pixel, so that cells stay crisp at any
    // ratio of device to logical pixels.
    const double ratio = devicePixelRatioF();
    const forms::Placement at = forms::Centred(int(width() * ratio), int(height() * ratio));
    fullScreenFactor_ = at.factor;
    Place(QRectF(at.left / ratio, at.top / ratio, image_.width() * at.factor / ratio,
                 image_.height() * at.factor / ratio),
          Qt::black);
}

void PondWidget::Place(const QRectF& inner, const QColor& frame) {
    inner_ = inner;
    frame_ = frame;
    update();
}

double PondWidget::Density() const {
    return fullScreenFactor_ ? fullScreenFactor_ : zoom_ * devicePixelRatioF();
}

QPoint PondWidget::FromTwips(float x, float y) const {
    const double scale = inner_.width() / image_.width();
    return (inner_.topLeft() + QPointF(x, y) / TwipsPerPixel * scale).toPoint();
}

void PondWidget::FillBox(float x1, float y1, float x2, float y2, Colour colour) {
    // A tick of busy rings paints hundreds of boxes: the surface keeps the
    // bounds of them all, and the screen sees them at the next refresh.
    surface_.FillBox(x1, y1, x2, y2, colour);
}

void PondWidget::Refresh() {
    const ImageSurface::Rect painted = surface_.TakePainted();
    if (painted.empty()) return;
    // Painted and sent at once rather than queued for a later pass of the
    // event loop: a tick then costs the program one wake-up, not several.
    // One image pixel is one logical pixel of the inner area at 1x.
    const double scale = inner_.width() / image_.width();
    repaint(QRectF(inner_.left() + painted.left * scale, inner_.top() + painted.top * scale,
                   (painted.right - painted.left) * scale, (painted.bottom - painted.top) * scale)
                .toAlignedRect());
}

void PondWidget::paintEvent(QPaintEvent* event) {
    // Everything is drawn under the dirty region's clip rather than cut into
    // pieces, so that at fractional device pixel ratios every update samples
    // the image the same way and cell edges never shift. Without smooth
    // transforms the scaling is nearest-neighbour: cells stay crisp. The
    // border is a filled rectangle, not a line, so that it scales with them.
    QPainter painter(this);
    if (!inner_.contains(QRectF(event->rect()))) painter.fillRect(rect(), frame_);
    painter.drawImage(inner_, image_);
}

void PondWidget::mousePressEvent(QMouseEvent* event) {
    // Only the three main buttons count, and only on the inner area: the
    // border is not part of the picture.
    if (!(event->button() & (Qt::LeftButton | Qt::RightButton | Qt::MiddleButton)) || !press_) return;
    // Qt hands positions in logical pixels, the device's divided by the
    // ratio: multiplied back, a whole device pixel may come out a hair short.
    const QPointF device = (event->position() - inner_.topLeft()) * devicePixelRatioF();
    const std::optional<TwipsPoint> at =
        PressPoint(int(std::floor(device.x() + 1e-3)), int(std::floor(device.y() + 1e-3)), Density());
    if (at) press_(ButtonCode(event->buttons()), at->x, at->y);
}

void PondWidget::keyPressEvent(QKeyEvent* event) {
    const std::optional<forms::PondKey> key = PondKeyOf(*event);
    if (!key || !key_) return QWidget::keyPressEvent(event);  // the window's keys go on to it
    key_(*key, FastKey(*event));
}

void PondWidget::contextMenuEvent(QContextMenuEvent* event) {
    // The mouse's right press has opened the menu already.
    if (event->reason() != QContextMenuEvent::Keyboard || !key_) return event->ignore();
    key_(forms::PondKey::Menu, false);
}

}  // namespace movra::qt
