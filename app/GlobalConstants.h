#pragma once

// Engine-wide file names and texts that several components share.
namespace GlobalConstants {

// The state store's persistence file, relative to the data directory.
inline constexpr char bucketsFileName[] = "Buckets.ps";

} // namespace GlobalConstants
