#pragma once

// The engine's main function: runs the engine and returns the main loop's
// exit code (291 asks the host for touch-screen calibration, 1110 for a
// firmware upgrade).
int teskengine_main(int argc, char *argv[]);

// What the entry prints for the engine's exit code: the host's request for
// 291 and 1110, nothing (null) for any other code.
const char *teskengine_exitMessage(int exitCode);

// teskengine_main's result when another engine holds the data directory:
// the engine touched nothing, and the process exits with 1.
constexpr int teskengine_dataDirectoryHeld = -1;
