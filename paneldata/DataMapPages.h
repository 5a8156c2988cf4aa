#pragma once

// The point map pages the data-map filters read.
namespace DataMapPages {

inline constexpr int Disabled = 14;
inline constexpr int ForcedInputsSelectionA = 137;
inline constexpr int ForcedInputsAll = 138;
inline constexpr int Forced = 140;
inline constexpr int ForcedOutputs = 141;
inline constexpr int ForcedInputsSelectionB = 142;
inline constexpr int ForcedInputsSelectionC = 143;
inline constexpr int DisabledForced = 145;

} // namespace DataMapPages
