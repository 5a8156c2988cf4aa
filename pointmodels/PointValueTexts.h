#pragma once

#include "link/PointValueDetails.h"

#include <QString>

// The words a point's live values are shown in, from one point information
// reply. Each gives the empty string where its column has nothing to say.

QString inputStateText(const PointValueDetails &values);
QString outputStateText(const PointValueDetails &values);
QString forcedOutputStateText(const PointValueDetails &values);
QString inputForcedText(const PointValueDetails &values);
QString inputDisabledText(const PointValueDetails &values);
QString outputDisabledText(const PointValueDetails &values);
QString dirtinessTitle(const PointValueDetails &values);
QString dirtinessText(const PointValueDetails &values);
// The column title of an analogue reading of a sensor type 1 to 8.
QString sensorTitle(int sensorType);

// An input state code 1 to 6.
QString pointStateText(int state);
// A one-byte reading in the unit of its code; 0 for a code without a scale.
double scalePointValue(int unit, quint8 raw);
bool unitHasValue(int unit);
QString unitText(int unit);
