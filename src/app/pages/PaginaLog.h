#pragma once

#include <QWidget>
#include <string>

class QPlainTextEdit;

namespace mvf {

// "Log sistema": lines are only ever appended, kept in memory for the run.
class PaginaLog : public QWidget {
    Q_OBJECT
public:
    explicit PaginaLog(QWidget* parent = nullptr);

    QPlainTextEdit* _cxmLog;

    // Callable from any thread; the line is appended on the UI thread.
    void AdicionarLinha(const std::string& linha);
};

} // namespace mvf
