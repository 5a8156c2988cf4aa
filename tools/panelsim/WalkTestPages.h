#pragma once

#include "SiteConfiguration.h"

#include <QByteArray>
#include <QVector>

// The pages a controller sends as one panel's walk test goes on: the
// panel's walk-test summary (page 22) and its point maps, in test (23),
// been active (24) and tested successfully (25). The emulated walk test
// covers the input points of one zone, or of every zone for 255; every
// second of them, in site order, has been tested successfully.
namespace WalkTestPages {

constexpr int Summary = 22;
constexpr int InTestMap = 23;
constexpr int ActiveMap = 24;
constexpr int TestedMap = 25;
constexpr quint8 AllZones = 255;
// What the emulated walk test tests: alarm contacts, call points and
// detectors.
constexpr quint8 AlarmInputs = 4 | 8 | 16;

// Status 1 to 5 a walk test in that state; 0 its stop, 6 none.
QVector<QByteArray> pages(const SitePanel &panel, int layout, quint8 status, quint8 zone);

} // namespace WalkTestPages
