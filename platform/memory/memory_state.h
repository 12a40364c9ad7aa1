// Between the two halves of the in-memory backend.
#pragma once

namespace orvane::memory {

void reset_ui();
void reset_system();
void reset_shell();
void reset_file_dialogs();

}  // namespace orvane::memory
