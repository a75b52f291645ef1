#include "frontends/qt/pond_widget.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "core/model/press.h"

namespace movra::qt {
namespace {

constexpr int BorderWidth = 1;

QSize InnerSize(const QRect& geometry) {
    return geometry.size() - QSize(2 * BorderWidth, 2 * BorderWidth);
}

int ButtonCode(Qt::MouseButtons buttons) {
    return (buttons & Qt::LeftButton ? 1 : 0) + (buttons & Qt::RightButton ? 2 : 0) +
           (buttons & Qt::MiddleButton ? 4 : 0);
}

}  // namespace

PondWidget::PondWidget(const QRect& geometry, QWidget* parent)
    : QWidget(parent),
      surface_(InnerSize(geometry).width(), InnerSize(geometry).height(), 1.0,
               parent->palette().color(QPalette::Button).rgb() & 0xffffffu),
      image_(reinterpret_cast<const uchar*>(surface_.pixels()), surface_.width(), surface_.height(),
             QImage::Format_RGB32) {
    setContentsMargins(BorderWidth, BorderWidth, BorderWidth, BorderWidth);
    // Every paint covers the whole update with the image or the border, so
    // the window's grey need not be painted underneath first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setGeometry(geometry);
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
    // One image pixel is one logical pixel of the inner area.
    repaint(QRect(painted.left, painted.top, painted.right - painted.left, painted.bottom - painted.top)
                .translated(contentsRect().topLeft()));
}

void PondWidget::paintEvent(QPaintEvent* event) {
    // Everything is drawn under the dirty region's clip rather than cut into
    // pieces, so that at fractional device pixel ratios every update samples
    // the image the same way and cell edges never shift. Without smooth
    // transforms the scaling is nearest-neighbour: cells stay crisp. The
    // border is a filled rectangle, not a line, so that it scales with them.
    QPainter painter(this);
    if (!contentsRect().contains(event->rect())) painter.fillRect(rect(), palette().color(QPalette::WindowText));
    painter.drawImage(contentsRect(), image_);
}

void PondWidget::mousePressEvent(QMouseEvent* event) {
    // Only the three main buttons count, and only on the inner area: the
    // border is not part of the picture.
    if (!(event->button() & (Qt::LeftButton | Qt::RightButton | Qt::MiddleButton)) || !press_) return;
    // Qt hands positions in logical pixels, the device's divided by the
    // ratio: multiplied back, a whole device pixel may come out a hair short.
    const double ratio = devicePixelRatioF();
    const QPointF device = (event->position() - contentsRect().topLeft()) * ratio;
    const std::optional<TwipsPoint> at =
        PressPoint(int(std::floor(device.x() + 1e-3)), int(std::floor(device.y() + 1e-3)), ratio);
    if (at) press_(ButtonCode(event->buttons()), at->x, at->y);
}

}  // namespace movra::qt
