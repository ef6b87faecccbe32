#pragma once

namespace quillet {

// What both programs do first: exhausted memory stops the program with a message, and freed
// memory is kept for the next large value instead of being handed back to the system at once.
void SetUpProgram();

// Hands the memory the last report freed back to the system, once a run has ended.
void ReleaseFreedMemory();

}  // namespace quillet
