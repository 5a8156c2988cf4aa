#include "WidgetShot.h"
#include "widgets/QrCodeImage.h"

#include <QtTest>

namespace {

// A module's colour, read from the middle of its block.
bool darkModule(const QImage &image, int x, int y, int scale)
{
    return qGray(image.pixel(x * scale + scale / 2, y * scale + scale / 2)) < 128;
}

} // namespace

class tst_QrCodeImage : public QObject
{
    Q_OBJECT

private slots:
    void sizes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("magnification");
        QTest::addColumn<int>("side");
        QTest::addColumn<QByteArray>("header");
        QTest::newRow("abc at 1") << "abc" << 1 << 21 << QByteArray("21 21 2 1");
        QTest::newRow("abc at 2") << "abc" << 2 << 42 << QByteArray("42 42 2 1");
        QTest::newRow("abc at 4") << "abc" << 4 << 84 << QByteArray("84 84 2 1");
        QTest::newRow("empty text") << "" << 1 << 21 << QByteArray("21 21 2 1");
        QTest::newRow("a web address") << "https://manuals.example.com/panel/3.6" << 1 << 29 << QByteArray("29 29 2 1");
        QTest::newRow("magnification 0 is 1") << "abc" << 0 << 21 << QByteArray("21 21 2 1");
        QTest::newRow("magnification 9 is 4") << "abc" << 9 << 84 << QByteArray("84 84 2 1");
    }
    void sizes()
    {
        QFETCH(QString, text);
        QFETCH(int, magnification);
        QFETCH(int, side);
        QFETCH(QByteArray, header);
        const QrCodeImage qr(text, magnification);
        QCOMPARE(qr.pixmap().size(), QSize(side, side));
        QCOMPARE(qr.xpmLines().size(), 3 + side);
        QCOMPARE(qr.xpmLines().at(0), header);
        QCOMPARE(qr.xpmLines().at(1), QByteArray("w c #FFFFFF"));
        QCOMPARE(qr.xpmLines().at(2), QByteArray("b c #000000"));
        for (int line = 3; line < qr.xpmLines().size(); ++line)
            QCOMPARE(qr.xpmLines().at(line).size(), side);
    }

    // The finder pattern sits in the top-left corner without a quiet zone,
    // and a larger magnification only makes the same modules bigger.
    void modulesScaleAsBlocks()
    {
        const QImage one = QrCodeImage(QStringLiteral("abc"), 1).pixmap().toImage();
        const QImage four = QrCodeImage(QStringLiteral("abc"), 4).pixmap().toImage();
        QVERIFY(darkModule(one, 0, 0, 1));
        QVERIFY(!darkModule(one, 1, 1, 1));
        QVERIFY(darkModule(one, 3, 3, 1));
        int dark = 0;
        for (int y = 0; y < 21; ++y) {
            for (int x = 0; x < 21; ++x) {
                QCOMPARE(darkModule(four, x, y, 4), darkModule(one, x, y, 1));
                QCOMPARE(four.pixel(x * 4, y * 4), four.pixel(x * 4 + 3, y * 4 + 3));
                dark += darkModule(one, x, y, 1) ? 1 : 0;
            }
        }
        QVERIFY(dark > 100 && dark < 341);
        const QByteArray firstRow = QrCodeImage(QStringLiteral("abc"), 2).xpmLines().at(3);
        QVERIFY(firstRow.startsWith("bbbbbbbbbbbbbbww"));
    }

    void aTextTooLongGivesNoImage()
    {
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("QrCodeImage::QrCodeImage: no QR code holds 3000 bytes"));
        const QrCodeImage qr(QString(3000, QLatin1Char('x')), 2);
        QVERIFY(qr.pixmap().isNull());
        QVERIFY(qr.xpmLines().isEmpty());
    }

    void reviewShot()
    {
        QImage image(200, 200, QImage::Format_ARGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        const QPixmap qr = QrCodeImage(QStringLiteral("https://manuals.example.com/panel/3.6"), 4).pixmap();
        painter.drawPixmap(QPoint((200 - qr.width()) / 2, (200 - qr.height()) / 2), qr);
        painter.end();
        QVERIFY(WidgetShot::fractionNear(image, QRect(0, 0, 200, 10), Qt::white) > 0.99);
        WidgetShot::saveForReview(image, QStringLiteral("QrCodeImage"));
    }
};

QTEST_MAIN(tst_QrCodeImage)
#include "tst_qrcodeimage.moc"
