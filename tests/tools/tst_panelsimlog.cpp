#include "Controller.h"
#include "ControllerLink.h"
#include "LinkFrameStream.h"

#include <QSignalSpy>
#include <QtTest>

// What the emulator writes about the engine's packets, which scripts/demo
// keeps in a file.
class tst_PanelSimLog final : public QObject
{
    Q_OBJECT

private slots:
    void logOnPasscodeIsHidden();
};

void tst_PanelSimLog::logOnPasscodeIsHidden()
{
    ControllerLink link(QStringLiteral("127.0.0.1"), 1);
    Controller controller(link, Site::demo());
    QSignalSpy reported(&controller, &Controller::reported);

    const PacketKind *logon = LkSpeakCodec::kindNamed(QStringLiteral("logon"));
    QVERIFY(logon);
    LkHeader header;
    header.function = quint32(logon->function);
    const QByteArray payload = LkSpeakCodec::writePayload(
        *logon, {{QStringLiteral("user"), 7}, {QStringLiteral("length"), 4}, {QStringLiteral("passcode"), "4711"}});
    emit link.frameReceived(LinkFrame{1, LkSpeakCodec::encode(header, payload)});

    QCOMPARE(reported.count(), 1);
    const QString line = reported.at(0).at(0).toString();
    QVERIFY2(line.startsWith(QStringLiteral("rx logon")), qPrintable(line));
    QVERIFY2(line.contains(QStringLiteral("user=7")) && line.contains(QStringLiteral("passcode=hidden")),
             qPrintable(line));
    QVERIFY2(!line.contains(QStringLiteral("34373131")) && !line.contains(QStringLiteral("4711")), qPrintable(line));
}

QTEST_GUILESS_MAIN(tst_PanelSimLog)
#include "tst_panelsimlog.moc"
