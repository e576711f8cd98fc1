#pragma once

#include <QWidget>

namespace mvf {

// The start page shown after a login once the catalogue has been copied.
class PaginaHome : public QWidget {
    Q_OBJECT
public:
    explicit PaginaHome(QWidget* parent = nullptr);
};

} // namespace mvf
