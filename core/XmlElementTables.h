#pragma once

// The element names of the engine's XML configuration documents. Each
// document is one root element (number 0) holding simple elements, numbered
// from 1; a table is indexed by the element number.
namespace XmlElementTables {

struct Element
{
    const char *name;
    int number;
};

namespace GlobalConfig {
enum Number {
    Root,
    ZoneFiltering,
    FirstSecondFire,
    LogicalZones,
    LogicalAddr,
    CurrentLang,
    FirstLang,
    SecondLang,
    LangUsage,
    FirstCodepage,
    SecondCodepage,
};
} // namespace GlobalConfig

inline constexpr Element globalConfig[] = {
    {"globalConfig", GlobalConfig::Root},
    {"zoneFiltering", GlobalConfig::ZoneFiltering},
    {"firstSecondFire", GlobalConfig::FirstSecondFire},
    {"logicalZones", GlobalConfig::LogicalZones},
    {"logicalAddr", GlobalConfig::LogicalAddr},
    {"currentLang", GlobalConfig::CurrentLang},
    {"firstLang", GlobalConfig::FirstLang},
    {"secondLang", GlobalConfig::SecondLang},
    {"langUsage", GlobalConfig::LangUsage},
    {"firstCodepage", GlobalConfig::FirstCodepage},
    {"secondCodepage", GlobalConfig::SecondCodepage},
};

// The engine configuration "teskconfig.xml".
inline constexpr Element teskConfig[] = {
    {"tesk", 0},      {"panelid", 1},    {"teskname", 2}, {"lnet", 3},       {"ipaddress", 4},       {"subnetmask", 5},
    {"defaultgw", 6}, {"zonemap", 7},    {"language", 8}, {"resourceid", 9}, {"quiescentimage", 10}, {"mode", 11},
    {"rbus", 12},     {"rbus_mode", 13},
};

// The service configuration "teskserviceconfig.xml" on a USB stick.
inline constexpr Element serviceConfig[] = {
    {"service", 0}, {"credentials", 1}, {"userid", 2}, {"passcode", 3}, {"resourceid", 4}, {"tscal", 5},
};

} // namespace XmlElementTables
