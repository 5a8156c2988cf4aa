#include "WidgetShot.h"
#include "widgets/RolesDelegate.h"

#include <QtTest>

class tst_RolesDelegate : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { RolesDelegate::setLocationTitles(false); }

    void untranslatedTitlesAreTheirKeys_data()
    {
        QTest::addColumn<int>("role");
        QTest::addColumn<QString>("title");
        QTest::newRow("59") << 59 << QStringLiteral("_NAME_SYSSTATUSTITLE");
        QTest::newRow("33") << 33 << QStringLiteral("_PANEL_SYSSTATUSTITLE");
        QTest::newRow("34") << 34 << QStringLiteral("_ZONE_SYSSTATUSTITLE");
        QTest::newRow("56") << 56 << QStringLiteral("_DATE_TIME_STATUSTITLE");
        QTest::newRow("58") << 58 << QStringLiteral("_ZONE_SYSSTATUSTITLE");
        QTest::newRow("60") << 60 << QStringLiteral("_DEVICE_SYSSTATUSTITLE");
        QTest::newRow("61") << 61 << QStringLiteral("_REAL_STATUSTITLE");
        QTest::newRow("62") << 62 << QStringLiteral("_ADDRESS_SYSSTATUSTITLE");
        QTest::newRow("63") << 63 << QStringLiteral("_EVENT_TYPE_STATUSTITLE");
        QTest::newRow("64") << 64 << QStringLiteral("_INFORMATION_STATUSTITLE");
        QTest::newRow("65") << 65 << QStringLiteral("_ADDRESS_SYSSTATUSTITLE");
        QTest::newRow("73") << 73 << QStringLiteral("_EVENT_STATUS_STATUSTITLE");
        QTest::newRow("76") << 76 << QStringLiteral("_OUTPUT_STATUSTITLE");
        QTest::newRow("77") << 77 << QStringLiteral("_OUTPUT_STATE_SYSSTATUSTITLE");
        QTest::newRow("78") << 78 << QStringLiteral("_OUTPUT_FORCED_SYSSTATUSTITLE");
        QTest::newRow("79") << 79 << QStringLiteral("_OUTPUT_DISABLED_SYSSTATUSTITLE");
        QTest::newRow("80") << 80 << QStringLiteral("_INPUT_STATUSTITLE");
        QTest::newRow("81") << 81 << QStringLiteral("_INPUT_STATE_SYSSTATUSTITLE");
        QTest::newRow("82") << 82 << QStringLiteral("_INPUT_FORCED_SYSSTATUSTITLE");
        QTest::newRow("83") << 83 << QStringLiteral("_INPUT_DISABLED_SYSSTATUSTITLE");
        QTest::newRow("85") << 85 << QStringLiteral("_ANALOGUE_TYPE_SYSSTATUSTITLE");
        QTest::newRow("86") << 86 << QStringLiteral("_ANALOGUE_VALUE_SYSSTATUSTITLE");
        QTest::newRow("88") << 88 << QStringLiteral("_ANALOGUE_TYPE_SYSSTATUSTITLE");
        QTest::newRow("89") << 89 << QStringLiteral("_ANALOGUE_VALUE_SYSSTATUSTITLE");
        QTest::newRow("91") << 91 << QStringLiteral("_ANALOGUE_TYPE_SYSSTATUSTITLE");
        QTest::newRow("92") << 92 << QStringLiteral("_ANALOGUE_VALUE_SYSSTATUSTITLE");
        QTest::newRow("95") << 95 << QStringLiteral("_DIRTINESS_SYSSTATUSTITLE");
        QTest::newRow("97") << 97 << QStringLiteral("_TOTAL_POINTS_INFOTEXT");
        QTest::newRow("105") << 105 << QStringLiteral("_LOOP_STATUS_STATUSTITLE");
        QTest::newRow("106") << 106 << QStringLiteral("_LOOP_STATUSTITLE");
        QTest::newRow("108") << 108 << QStringLiteral("_MANUFACTURE_DATE_STATUSTITLE");
        QTest::newRow("109") << 109 << QStringLiteral("_EXPIRY_DATE_STATUSTITLE");
        QTest::newRow("114") << 114 << QStringLiteral("_DEVICE_DATE_ACTION_STATUSTITLE");
        QTest::newRow("115") << 115 << QStringLiteral("_INFORMATION_STATUSTITLE");
        QTest::newRow("119") << 119 << QStringLiteral("_FIRES_INFOTEXT");
        QTest::newRow("120") << 120 << QStringLiteral("_FAULTS_20_CHAR");
        QTest::newRow("121") << 121 << QStringLiteral("_DISABLES_25_CHAR");
        QTest::newRow("122") << 122 << QStringLiteral("_PANEL_SYSSTATUSTITLE");
        QTest::newRow("123") << 123 << QStringLiteral("_MODE_SUMMARYTITLE");
        QTest::newRow("124") << 124 << QStringLiteral("_WALKTEST_LOCATION_SYSSTATUSTITLE");
        QTest::newRow("125") << 125 << QStringLiteral("_DEVICES_IN_TEST_SUMMARYTITLE");
        QTest::newRow("126") << 126 << QStringLiteral("_ZONES_IN_TEST_SUMMARYTITLE");
        QTest::newRow("127") << 127 << QStringLiteral("_EXCL/ISOLATED_DEVICES_SUMMARYTITLE");
        QTest::newRow("128") << 128 << QStringLiteral("_BEEN_ACTIVE_SUMMARYTITLE");
        QTest::newRow("129") << 129 << QStringLiteral("_BEEN_CLEAR_SUMMARYTITLE");
        QTest::newRow("130") << 130 << QStringLiteral("_SUCCESSFUL_TESTED_SUMMARYTITLE");
        QTest::newRow("131") << 131 << QStringLiteral("_CURRENTLY_ACTIVE_SUMMARYTITLE");
        QTest::newRow("132") << 132 << QStringLiteral("_START_TIME_SUMMARYTITLE");
        QTest::newRow("133") << 133 << QStringLiteral("_LAST_UPDATED_SUMMARYTITLE");
        QTest::newRow("135") << 135 << QStringLiteral("_PREVIOUS_MODE_SUMMARYTITLE");
        QTest::newRow("139") << 139 << QStringLiteral("_RSM_LAST_TEST_DATE_STATUSTITLE");
        QTest::newRow("140") << 140 << QStringLiteral("_RSM_TEST_STATUS_STATUSTITLE");
        QTest::newRow("145") << 145 << QStringLiteral("_DEVICE_LAST_TEST_DATE_SYSSTATUSTITLE");
        QTest::newRow("146") << 146 << QStringLiteral("_DEVICE_TEST_STATUS_SYSSTATUSTITLE");
        QTest::newRow("148") << 148 << QStringLiteral("_COMMON_STATUSTITLE");
        QTest::newRow("149") << 149 << QStringLiteral("_LEFT_PORT_STATUSTITLE");
        QTest::newRow("150") << 150 << QStringLiteral("_RIGHT_PORT_STATUSTITLE");
        QTest::newRow("151") << 151 << QStringLiteral("_GROUND_STATUSTITLE");
        QTest::newRow("152") << 152 << QStringLiteral("_DATA_TRANSMISSION_STATUSTITLE");
        QTest::newRow("153") << 153 << QStringLiteral("_RING_CONTINUITY_STATUSTITLE");
        QTest::newRow("154") << 154 << QStringLiteral("_NET_COMMS_STATUSTITLE");
        QTest::newRow("155") << 155 << QStringLiteral("_LEFT_GOOD_FRAMES_28_CHAR");
        QTest::newRow("156") << 156 << QStringLiteral("_LEFT_SERIAL_ERRORS_28_CHAR");
        QTest::newRow("157") << 157 << QStringLiteral("_LEFT_FRAME_ERRORS_28_CHAR");
        QTest::newRow("158") << 158 << QStringLiteral("_LEFT_CHECKSUM_ERRORS_28_CHAR");
        QTest::newRow("159") << 159 << QStringLiteral("_RIGHT_GOOD_FRAMES_28_CHAR");
        QTest::newRow("160") << 160 << QStringLiteral("_RIGHT_SERIAL_ERRORS_28_CHAR");
        QTest::newRow("161") << 161 << QStringLiteral("_RIGHT_FRAME_ERRORS_28_CHAR");
        QTest::newRow("162") << 162 << QStringLiteral("_RIGHT_CHECKSUM_ERRORS_28_CHAR");
        QTest::newRow("163") << 163 << QStringLiteral("_TOTAL_MSG_SENT_28_CHAR");
        QTest::newRow("164") << 164 << QStringLiteral("_TOTAL_MSG_REVEIVED_28_CHAR");
        QTest::newRow("165") << 165 << QStringLiteral("_TIME_SINCE_ZEROED_28_CHAR");
        QTest::newRow("166") << 166 << QStringLiteral("_TIME_SINCE_STARTUP_28_CHAR");
        QTest::newRow("167") << 167 << QStringLiteral("_LEFT_ADC_AVERAGE_28_CHAR");
        QTest::newRow("168") << 168 << QStringLiteral("_RIGHT_ADC_AVERAGE_28_CHAR");
        QTest::newRow("169") << 169 << QStringLiteral("_GROUND_ADC_AVERAGE_28_CHAR");
        QTest::newRow("170") << 170 << QStringLiteral("_NEXT_ACTIVE_NODE_28_CHAR");
        QTest::newRow("171") << 171 << QStringLiteral("_FLOW_CONTROL_28_CHAR");
        QTest::newRow("172") << 172 << QStringLiteral("_TIMESTAMP_28_CHAR");
        QTest::newRow("173") << 173 << QStringLiteral("_EXTENDED_FAULT_MAP_28_CHAR");
        QTest::newRow("175") << 175 << QStringLiteral("_PANEL_TYPE_STATUSTITLE");
        QTest::newRow("177") << 177 << QStringLiteral("_CONFIGURED_SERIAL_NUMBER_12_CHAR");
        QTest::newRow("178") << 178 << QStringLiteral("_REAL_SERIAL_NUMBER_12_CHAR");
        QTest::newRow("180") << 180 << QStringLiteral("_CONFIGURED_SYSSTATUSTITLE");
        QTest::newRow("182") << 182 << QStringLiteral("_POINT_VALUE_SENSOR_STATUSTITLE A");
        QTest::newRow("183") << 183 << QStringLiteral("_POINT_VALUE_SENSOR_STATUSTITLE B");
        QTest::newRow("184") << 184 << QStringLiteral("_POINT_VALUE_SENSOR_STATUSTITLE C");
        QTest::newRow("185") << 185 << QStringLiteral("_LINK_8_CHAR");
        QTest::newRow("187") << 187 << QStringLiteral("_RBUS_ADDRESS_100_20_BODYTEXTSMALLSTYLE");
        QTest::newRow("188") << 188 << QStringLiteral("_DURATION_100_20_BODYTEXTSMALLSTYLE");
        QTest::newRow("189") << 189 << QStringLiteral("_TX_POLLS_100_20_BODYTEXTSMALLSTYLE");
        QTest::newRow("190") << 190 << QStringLiteral("_TX_PACKETS_100_20_BODYTEXTSMALLSTYLE");
        QTest::newRow("191") << 191 << QStringLiteral("_TX_FAILS_100_20_BODYTEXTSMALLSTYLE");
        QTest::newRow("192") << 192 << QStringLiteral("_RX_POLLS_100_20_BODYTEXTSMALLSTYLE");
        QTest::newRow("193") << 193 << QStringLiteral("_RX_PACKETS_100_20_BODYTEXTSMALLSTYLE");
        QTest::newRow("194") << 194 << QStringLiteral("_RX_CSUM_FAILS_100_20_BODYTEXTSMALLSTYLE");
        QTest::newRow("195") << 195 << QStringLiteral("_RX_INVALID_REPLIES_100_20_BODYTEXTSMALLSTYLE");
        QTest::newRow("196") << 196 << QStringLiteral("_RX_TIMEOUTS_100_20_BODYTEXTSMALLSTYLE");
        QTest::newRow("197") << 197 << QStringLiteral("_RX_LSR_ERRORS_100_20_BODYTEXTSMALLSTYLE");
        QTest::newRow("198") << 198 << QStringLiteral("_ABORT_RECEIVE_100_20_BODYTEXTSMALLSTYLE");
        QTest::newRow("199") << 199 << QStringLiteral("_ABORT_TRANSMIT_100_20_BODYTEXTSMALLSTYLE");
        QTest::newRow("200") << 200 << QStringLiteral("_TOTAL_BLOCKS_100_20_BODYTEXTSMALLSTYLE");
        QTest::newRow("201") << 201 << QStringLiteral("_BAD_BLOCKS_100_20_BODYTEXTSMALLSTYLE");
    }
    void untranslatedTitlesAreTheirKeys()
    {
        QFETCH(int, role);
        QFETCH(QString, title);
        QCOMPARE(RolesDelegate::roleTitle(role), title);
    }

    void rolesWithoutTitle_data()
    {
        QTest::addColumn<int>("role");
        for (int role : {0, 1, 32, 55, 57, 84, 87, 202, -1, 186, 174})
            QTest::newRow(qPrintable(QString::number(role))) << role;
    }
    void rolesWithoutTitle()
    {
        QFETCH(int, role);
        QVERIFY(RolesDelegate::roleTitle(role).isEmpty());
    }

    void theNameTitleFollowsTheLocationFlag()
    {
        QCOMPARE(RolesDelegate::roleTitle(59), QStringLiteral("_NAME_SYSSTATUSTITLE"));
        RolesDelegate::setLocationTitles(true);
        QCOMPARE(RolesDelegate::roleTitle(59), QStringLiteral("_LOCATION_SYSSTATUSTITLE"));
        QCOMPARE(RolesDelegate::roleTitle(58), QStringLiteral("_ZONE_SYSSTATUSTITLE"));
        RolesDelegate::setLocationTitles(false);
        QCOMPARE(RolesDelegate::roleTitle(59), QStringLiteral("_NAME_SYSSTATUSTITLE"));
    }

    void englishTitles_data()
    {
        QTest::addColumn<int>("role");
        QTest::addColumn<bool>("location");
        QTest::addColumn<QString>("title");
        QTest::newRow("88 fills its number") << 88 << false << "Analogue 1 type";
        QTest::newRow("92 fills its number") << 92 << false << "Analogue 2 value";
        QTest::newRow("85 fills zero") << 85 << false << "Analogue 0 type";
        QTest::newRow("183 keeps its suffix") << 183 << false << "Sensor B";
        QTest::newRow("name") << 59 << false << "Name";
        QTest::newRow("location") << 59 << true << "Location";
    }
    void englishTitles()
    {
        QFETCH(int, role);
        QFETCH(bool, location);
        QFETCH(QString, title);
        EnglishTexts english;
        QVERIFY(english.isLoaded());
        RolesDelegate::setLocationTitles(location);
        QCOMPARE(RolesDelegate::roleTitle(role), title);
    }

    // A key still showing means the English file lacks its line.
    void everyTitleHasItsEnglishLine()
    {
        EnglishTexts english;
        QVERIFY(english.isLoaded());
        for (bool location : {false, true}) {
            RolesDelegate::setLocationTitles(location);
            for (int role = 0; role <= 201; ++role) {
                const QString title = RolesDelegate::roleTitle(role);
                QVERIFY2(!title.startsWith(QLatin1Char('_')),
                         qPrintable(QStringLiteral("%1: %2").arg(role).arg(title)));
                QVERIFY2(!title.contains(QLatin1String("%1")), qPrintable(title));
            }
        }
    }
};

QTEST_MAIN(tst_RolesDelegate)
#include "tst_rolesdelegate.moc"
