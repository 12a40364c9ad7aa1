// Between the two halves of the in-memory backend.
#pragma once

namespace orvane::memory {

void reset_ui();
void reset_system();

}  // namespace orvane::memory
