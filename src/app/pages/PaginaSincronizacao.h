#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

namespace mvf {

class ImagemAnimada;

// "Sincronizar Dados": copies the ERP catalogue into the local database on a worker thread.
class PaginaSincronizacao : public QWidget {
    Q_OBJECT
public:
    explicit PaginaSincronizacao(QWidget* parent = nullptr);

    QLabel* _lblStatus;
    ImagemAnimada* _imgSinc;
    QPushButton* _btnSincronizar;
    QLabel* _imgSucesso;
    QLabel* _lblDataHoraSinc;
};

} // namespace mvf
