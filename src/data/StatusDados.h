#pragma once

#include <functional>
#include <string>

namespace mvf {

// The status label that the catalogue operations report to, in the role of the original
// label passed by reference: its text takes the progress lines, its tag takes the products
// signal. The callbacks run on the worker's thread; the GUI hands them to the UI thread.
// They are never called while the database is locked, so a callback may use the database.
struct StatusDados {
    // Progress text, e.g. "Produtos - 3 de 120". Called for the first element, then at most
    // once every 50 ms, and always for the last element.
    std::function<void(const std::string& texto)> setTexto;
    // Products signal: the ERP returned at least one product. `Tag` is already 10 when this
    // runs; the line is "Produtos Atualizados - dd/mm/yyyy hh:mm:ss" for the log page.
    std::function<void(int tag, const std::string& linhaLog)> produtosAtualizados;
    // Set to 10 by the products operation when the ERP returned at least one product; the
    // caller resets it before the call.
    int Tag = 0;
};

} // namespace mvf
