#include "pointmodels/PointValueTexts.h"

#include <QCoreApplication>

namespace {

// The numbered bytes of a reply that the texts read.
constexpr int DirtinessFlagsByte = 5;
constexpr int DirtinessByte = 7;
constexpr int InputStateByte = 16;
constexpr int FaultByte = 17;
constexpr int OutputForcedByte = 20;
constexpr int OutputStateByte = 21;
constexpr int ForcedOutputStateByte = 22;

constexpr quint8 HasInput = 0x01;
constexpr quint8 HasOutput = 0x02;
constexpr quint8 InputForced = 0x01;
constexpr quint8 InputDisabled = 0x04;
constexpr quint8 OutputDisabled = 0x08;
constexpr quint8 InTest = 0x80;

// Input states 1 to 6; state 0 is normal or fault by the fault marks.
const char *const InputStates[] = {
    nullptr,
    QT_TRANSLATE_NOOP("QObject", "_PRE_ALARM_POINTVALUE"),
    QT_TRANSLATE_NOOP("QObject", "_VERIFYING_POINTVALUE"),
    QT_TRANSLATE_NOOP("QObject", "_ACTIVE_POINTVALUE"),
    QT_TRANSLATE_NOOP("QObject", "_RESETTING_POINTVALUE"),
    QT_TRANSLATE_NOOP("QObject", "_NORMAL_POINTVALUE"),
    QT_TRANSLATE_NOOP("QObject", "_ACTIVATE_WARN_POINTVALUE"),
};

const char *const OutputStates[] = {
    QT_TRANSLATE_NOOP("QObject", "_OFF_POINTVALUE"),    QT_TRANSLATE_NOOP("QObject", "_ON_POINTVALUE"),
    QT_TRANSLATE_NOOP("QObject", "_PULSE1_POINTVALUE"), QT_TRANSLATE_NOOP("QObject", "_PULSE2_POINTVALUE"),
    QT_TRANSLATE_NOOP("QObject", "_NA_POINTVALUE"),
};

const char *const ForcedOutputStates[] = {
    QT_TRANSLATE_NOOP("QObject", "_FORCED_OFF_POINTVALUE"),
    QT_TRANSLATE_NOOP("QObject", "_FORCED_ON_POINTVALUE"),
    QT_TRANSLATE_NOOP("QObject", "_FORCED_PULSE1_POINTVALUE"),
    QT_TRANSLATE_NOOP("QObject", "_FORCED_PULSE2_POINTVALUE"),
    QT_TRANSLATE_NOOP("QObject", "_NA_POINTVALUE"),
};

// Units 1 to 8; 10 is milliamperes, written the same in every language.
const char *const Units[] = {
    nullptr,
    QT_TRANSLATE_NOOP("QObject", "_DegC_POINTVALUE"),
    QT_TRANSLATE_NOOP("QObject", "_DegF_POINTVALUE"),
    QT_TRANSLATE_NOOP("QObject", "_PPM_POINTVALUE"),
    QT_TRANSLATE_NOOP("QObject", "_PERCENT_FOOT_OBSCURATION_POINTVALUE"),
    QT_TRANSLATE_NOOP("QObject", "_PERCENT_METRE_OBSCURATION_POINTVALUE"),
    QT_TRANSLATE_NOOP("QObject", "_UNIT_Y_POINTVALUE"),
    QT_TRANSLATE_NOOP("QObject", "_AMPS_POINTVALUE"),
    QT_TRANSLATE_NOOP("QObject", "_VOLTS_POINTVALUE"),
};

// Sensor types 1 to 8.
const char *const SensorTitles[] = {
    nullptr,
    QT_TRANSLATE_NOOP("QObject", "_TEMPERATURE_SYSSTATUSTITLE"),
    QT_TRANSLATE_NOOP("QObject", "_TEMPERATURE_SYSSTATUSTITLE"),
    QT_TRANSLATE_NOOP("QObject", "_CO_COUNT_SYSSTATUSTITLE"),
    QT_TRANSLATE_NOOP("QObject", "_SMOKE_SYSSTATUSTITLE"),
    QT_TRANSLATE_NOOP("QObject", "_SMOKE_SYSSTATUSTITLE"),
    QT_TRANSLATE_NOOP("QObject", "_UNIT_Y_SYSSTATUSTITLE"),
    QT_TRANSLATE_NOOP("QObject", "_CURRENT_SYSSTATUSTITLE"),
    QT_TRANSLATE_NOOP("QObject", "_POWER_SYSSTATUSTITLE"),
};

template <size_t N> QString tableText(const char *const (&table)[N], int index)
{
    if (index < 0 || size_t(index) >= N || !table[index])
        return QString();
    return QCoreApplication::translate("QObject", table[index]);
}

QString objectText(const char *key)
{
    return QCoreApplication::translate("QObject", key);
}

bool isFaulty(const PointValueDetails &values)
{
    return values.detectedDeviceType == PointValueDetails::DeviceFault || values.byte(FaultByte) != 0;
}

QString markText(const PointValueDetails &values, quint8 statusBit, const char *key)
{
    return (values.statusBits & statusBit) ? objectText(key) : QString();
}

bool dirtinessReported(const PointValueDetails &values)
{
    return values.byte(DirtinessFlagsByte) & 0x01;
}

} // namespace

QString inputStateText(const PointValueDetails &values)
{
    if (!(values.capabilityBits & HasInput))
        return objectText(QT_TRANSLATE_NOOP("QObject", "_NOT_INPUT_POINTVALUE"));
    const int state = values.byte(InputStateByte);
    if (state == 0) {
        return isFaulty(values) ? objectText(QT_TRANSLATE_NOOP("QObject", "_FAULT_POINTVALUE"))
                                : objectText(QT_TRANSLATE_NOOP("QObject", "_NORMAL_POINTVALUE"));
    }
    const QString text = pointStateText(state);
    return text.isEmpty() ? objectText(QT_TRANSLATE_NOOP("QObject", "_UNKNOWN_POINTVALUE")) : text;
}

QString outputStateText(const PointValueDetails &values)
{
    if (!(values.capabilityBits & HasOutput))
        return objectText(QT_TRANSLATE_NOOP("QObject", "_NOT_OUTPUT_POINTVALUE"));
    if (isFaulty(values))
        return objectText(QT_TRANSLATE_NOOP("QObject", "_FAULT_POINTVALUE"));
    if (values.statusBits & InTest)
        return objectText(QT_TRANSLATE_NOOP("QObject", "_TEST_POINTVALUE"));
    const QString text = tableText(OutputStates, values.byte(OutputStateByte));
    return text.isEmpty() ? objectText(QT_TRANSLATE_NOOP("QObject", "_UNKNOWN_POINTVALUE")) : text;
}

QString forcedOutputStateText(const PointValueDetails &values)
{
    if (values.byte(OutputForcedByte) != 1)
        return QString();
    return tableText(ForcedOutputStates, values.byte(ForcedOutputStateByte));
}

QString inputForcedText(const PointValueDetails &values)
{
    return markText(values, InputForced, QT_TRANSLATE_NOOP("QObject", "_FORCED_POINTVALUE"));
}

QString inputDisabledText(const PointValueDetails &values)
{
    return markText(values, InputDisabled, QT_TRANSLATE_NOOP("QObject", "_DISABLED_POINTVALUE"));
}

QString outputDisabledText(const PointValueDetails &values)
{
    return markText(values, OutputDisabled, QT_TRANSLATE_NOOP("QObject", "_DISABLED_POINTVALUE"));
}

QString dirtinessTitle(const PointValueDetails &values)
{
    if (!dirtinessReported(values))
        return QString();
    return QCoreApplication::translate("TESKDelegateRoles", "_DIRTINESS_SYSSTATUSTITLE");
}

QString dirtinessText(const PointValueDetails &values)
{
    if (!dirtinessReported(values))
        return QString();
    return QStringLiteral("%1%2")
        .arg(values.byte(DirtinessByte))
        .arg(objectText(QT_TRANSLATE_NOOP("QObject", "_PERCENT_SYMBOL_POINTVALUE")));
}

QString sensorTitle(int sensorType)
{
    return tableText(SensorTitles, sensorType);
}

QString pointStateText(int state)
{
    return tableText(InputStates, state);
}

double scalePointValue(int unit, quint8 raw)
{
    switch (unit) {
    case 1:
        return raw - 50.0;
    case 2:
    case 3:
        return raw;
    case 4:
    case 5:
    case 10:
        return raw / 10.0;
    case 6:
        return raw / 100.0;
    case 7:
        return (raw - 100.0) / 5.0;
    case 8:
        return raw / 5.0;
    default:
        return 0.0;
    }
}

bool unitHasValue(int unit)
{
    return unit >= 1 && unit <= 10 && unit != 9;
}

QString unitText(int unit)
{
    if (unit == 10)
        return QStringLiteral("mA");
    return tableText(Units, unit);
}
