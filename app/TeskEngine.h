#pragma once

// The engine's main function: runs the engine and returns the main loop's
// exit code (291 asks the host for touch-screen calibration, 1110 for a
// firmware upgrade).
int teskengine_main(int argc, char *argv[]);
