#pragma once

#include <QTimer>
#include <QWidget>

namespace mvf {

// A turning sync symbol: still at rest, turning while work runs.
class ImagemAnimada : public QWidget {
    Q_OBJECT
public:
    explicit ImagemAnimada(QWidget* parent = nullptr);

    void setAnimado(bool animado);
    bool animado() const { return timer_.isActive(); }

    QSize sizeHint() const override { return {64, 64}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QTimer timer_;
    int angulo_ = 0;
};

} // namespace mvf
