// The program: its windows, the wiring of every feature's handlers, the run.
#pragma once

namespace orvane::program {

// Loads the main window, connects the handlers of every feature and runs the
// start sequence. False when the program is to end at once (the name check).
bool start_program();
// start_program, then the event loop; the exit code.
int run_program();

}  // namespace orvane::program
