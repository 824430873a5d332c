#pragma once
// The program's run from start-up to exit, shared by main() and the start-up benchmark.

// Starts the application object, runs the event loop while the window lives, writes the
// settings; returns the process exit code. A QApplication must exist.
int runKestrin();
