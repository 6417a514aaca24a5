#pragma once

// Unloads every window that is still loaded and ends the event loop: the one way the program ends.
void EndProgram();
