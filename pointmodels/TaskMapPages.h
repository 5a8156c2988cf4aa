#pragma once

// The point data map pages the task filters decide by.
namespace TaskMapPages {

inline constexpr int DisabledInputs = 14;
inline constexpr int DisabledOutputs = 15;
inline constexpr int WalkTestPoints = 23;
inline constexpr int WalkTestBeenActive = 24;
inline constexpr int WalkTestSuccessful = 25;
inline constexpr int InFault = 129;
inline constexpr int ActiveInputs = 131;
inline constexpr int NotResponding = 134;
inline constexpr int ActiveOutputs = 135;
inline constexpr int HeldByZone = 136;
inline constexpr int OutputsForcedOn = 137;
inline constexpr int OutputsForcedOff = 138;
inline constexpr int InputsForcedOn = 140;
inline constexpr int InputsForcedOff = 141;
inline constexpr int FirstPulse = 142;
inline constexpr int SecondPulse = 143;
inline constexpr int HeldByDisablement = 145;
inline constexpr int UnconfiguredResponders = 146;

} // namespace TaskMapPages
