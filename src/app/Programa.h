#pragma once

namespace mvf {

// The program entry: one instance per machine, then the data module, the main window and the
// message loop. Returns the process exit code.
int ExecutarPrograma(int argc, char** argv);

} // namespace mvf
