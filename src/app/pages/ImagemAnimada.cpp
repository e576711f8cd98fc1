#include "app/pages/ImagemAnimada.h"

#include <QPainter>
#include <QPen>

namespace mvf {

ImagemAnimada::ImagemAnimada(QWidget* parent) : QWidget(parent) {
    timer_.setInterval(40);
    connect(&timer_, &QTimer::timeout, this, [this] {
        angulo_ = (angulo_ + 12) % 360;
        update();
    });
    setFixedSize(64, 64);
}

void ImagemAnimada::setAnimado(bool animado) {
    if (animado)
        timer_.start();
    else
        timer_.stop();
}

void ImagemAnimada::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(width() / 2.0, height() / 2.0);
    p.rotate(angulo_);
    p.setPen(QPen(QColor(37, 73, 104), 6, Qt::SolidLine, Qt::RoundCap));
    QRectF r(-24, -24, 48, 48);
    p.drawArc(r, 20 * 16, 140 * 16);
    p.drawArc(r, 200 * 16, 140 * 16);
}

} // namespace mvf
