#pragma once

#include "HostChild.h"

#include <functional>

class PanelSimProcess;

// The engine run in the test's own process, so that a test can press its
// screens' buttons: the host-services stand-in plays the panel front (and
// the card reader), and the controller emulator connects to the engine's
// port. The tests run once the engine's start-up is done - its link starts
// only in the last step before the main loop, so the panel link coming up
// is the sign; the engine then ends with the tests' result.
namespace InProcessEngine {

HostChild &host();
PanelSimProcess &controller();

// Starts everything in a new temporary folder named after the test, runs
// runTests (which returns QTest::qExec's result) and tidies up; the exit
// code is the tests' result, else the engine's.
int run(const char *testName, char *program, std::function<int()> runTests);

} // namespace InProcessEngine
