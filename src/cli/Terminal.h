#pragma once

namespace mvf::cli {

// Whether the standard error stream is an interactive terminal (progress bars go there only).
bool stderrIsTerminal();

} // namespace mvf::cli
