#pragma once

// Engine-wide file names and texts that several components share.
namespace GlobalConstants {

// The state store's persistence file, relative to the data directory.
inline constexpr char bucketsFileName[] = "Buckets.ps";

// The global configuration and the schema it is checked against.
inline constexpr char globalConfigFileName[] = "globalconfig.xml";
inline constexpr char globalConfigSchemaFileName[] = "globalconfigschema.xsd";
// The service configuration on a USB stick and its schema.
inline constexpr char serviceConfigFileName[] = "teskserviceconfig.xml";
inline constexpr char serviceConfigSchemaFileName[] = "teskserviceschema.xsd";

// The host's watchdog service.
inline constexpr char watchdogService[] = "svc.watchdog";
inline constexpr char watchdogPath[] = "/";
inline constexpr char watchdogInterface[] = "vemo.watchdog";
inline constexpr char watchdogRegisterTimer[] = "registerTimer";
inline constexpr char watchdogKeepAlive[] = "keepAlive";

// The engine's version, as the start-up banner prints it and the controller
// is told.
inline constexpr char engineVersion[] = "3.6";

// The common display format of a date with its time.
inline constexpr char dateTimeFormat[] = "ddd dd-MMM-yy hh:mm:ss";

} // namespace GlobalConstants
