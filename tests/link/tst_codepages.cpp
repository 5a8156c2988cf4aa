#include "PacketBytes.h"
#include "SyncPageBench.h"
#include "link/PanelTextDecoder.h"

#include <QtTest>

namespace {

// C0 C1 in the code pages used here.
const QString Cyrillic = QString(QChar(0x0410)) + QChar(0x0411);
const QString Greek = QString(QChar(0x0390)) + QChar(0x0391);
const QString Latin = QString(QChar(0x00C0)) + QChar(0x00C1);

QString decoded(int slot)
{
    return textDecoders().decodePanelText(slot, "\xC0\xC1", 2, false);
}

// The controller's engine configuration (support sub-code 21) up to the
// engineer log-out time, with the two code pages given.
QByteArray configuration(quint16 first, quint16 second)
{
    QByteArray payload = hex("15 01 02 81 01 00 00 00 07 0000 0000 0000 0000 00 00 05");
    payload[13] = char(first >> 8);
    payload[14] = char(first);
    payload[15] = char(second >> 8);
    payload[16] = char(second);
    return payload;
}

} // namespace

// The code pages the panel's texts are decoded with are the configured ones:
// those of the saved configuration from the first text on, then those each
// engine configuration from the controller brings.
class tst_CodePages final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void savedConfigurationAppliesFromTheStart();
    void engineConfigurationReopensBothDecoders_data();
    void engineConfigurationReopensBothDecoders();

private:
    QTemporaryDir m_directory;
};

void tst_CodePages::initTestCase()
{
    QVERIFY(QDir::setCurrent(m_directory.path()));
    QFile saved(QStringLiteral("globalconfig.xml"));
    QVERIFY(saved.open(QIODevice::WriteOnly));
    saved.write("<globalConfig>\n <firstCodepage>1251</firstCodepage>\n"
                " <secondCodepage>1253</secondCodepage>\n</globalConfig>\n");
}

void tst_CodePages::savedConfigurationAppliesFromTheStart()
{
    QCOMPARE(decoded(1), Cyrillic);
    QCOMPARE(decoded(2), Greek);
}

void tst_CodePages::engineConfigurationReopensBothDecoders_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::addColumn<QString>("firstText");
    QTest::addColumn<QString>("secondText");

    QTest::newRow("1252 and 1251") << 1252 << 1251 << Latin << Cyrillic;
    QTest::newRow("1253 and 1252") << 1253 << 1252 << Greek << Latin;
    // A code page the table lacks decodes as 850 (box drawing at C0, C1).
    QTest::newRow("unknown and 1253") << 1200 << 1253 << QString(QChar(0x2514)) + QChar(0x2534) << Greek;
}

void tst_CodePages::engineConfigurationReopensBothDecoders()
{
    QFETCH(int, first);
    QFETCH(int, second);
    QFETCH(QString, firstText);
    QFETCH(QString, secondText);
    SyncPageBench bench;
    bench.receive(supportPacket(configuration(quint16(first), quint16(second))));
    QCOMPARE(decoded(1), firstText);
    QCOMPARE(decoded(2), secondText);
}

QTEST_GUILESS_MAIN(tst_CodePages)
#include "tst_codepages.moc"
