#pragma once

#include <QMetaType>
#include <QtGlobal>

#include <array>

// What the controller reported about one point in a point information
// reply, in the reply's field order. Wire bytes are widened without sign.
// The numbered bytes 1 to 28 are read through byte(); those the engine
// reads:
//   5 bit 0: a dirtiness value is present    7: dirtiness in per cent
//   8-10: types of analogue channels 1-3     11-13: one-byte readings
//   16: input state   17: fault (not 0)      20: output forced (1)
//   21: output state  22: forced output state
//   27: sounder test result (2 passed, 3 failed)
struct PointValueDetails
{
    static constexpr quint32 NoDevice = 128;
    static constexpr quint32 DeviceFault = 126;
    static constexpr int NumberedBytes = 28;

    struct AnalogueReading
    {
        quint8 decimals = 0;
        quint32 reading = 0;
    };

    // Bit 0 input forced, bit 2 input disabled, bit 3 output disabled, bit
    // 7 in test.
    quint8 statusBits = 0;
    quint8 value1 = 0;
    quint16 value2 = 0;
    quint32 configuredDeviceType = NoDevice;
    // Bit 0 the point has an input, bit 1 an output.
    quint8 capabilityBits = 0;
    quint16 value3 = 0;
    std::array<quint8, 5> values4to8{{0, 0, 0, 2, 0}};
    quint32 detectedDeviceType = NoDevice;
    // Sent back to the controller to get the next point of a channel.
    quint16 nextPointCursor = 0;
    quint16 value9 = 0;
    quint16 value10 = 0;
    quint8 value11 = 0;
    quint8 value12 = 0;
    quint32 value13 = 0;
    // Panel time of the last sounder test (0: none); its result is byte 27.
    quint32 value14 = 0;
    // Panel time.
    quint32 deviceDate = 0;
    quint8 extensionPresent = 0;
    // Analogue channels 1 to 3 in full precision.
    std::array<AnalogueReading, 3> extension{};
    // Bit 0: the device keeps a test date.
    quint8 testDateFlags = 0;
    // Panel time of the device's last test (0: untested).
    quint32 testDate = 0;
    std::array<quint32, 2> serialNumbers{{0, 0}};

    // Bytes 1 to 22 and 23 to 28; 0 for any other number.
    quint8 byte(int number) const;
    void setByte(int number, quint8 value);

private:
    std::array<quint8, NumberedBytes> m_bytes{};
};

Q_DECLARE_METATYPE(PointValueDetails)
