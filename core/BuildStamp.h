#pragma once

// When the engine was built, in UTC, written as the compiler's __DATE__
// ("Mmm dd yyyy", the day padded with a blank) and __TIME__ ("hh:mm:ss").
// The start-up banner and the software-version reply both show it, so the
// two always name the same build. The definitions are generated whenever an
// engine source changes.
namespace BuildStamp {

extern const char date[];
extern const char time[];

} // namespace BuildStamp
