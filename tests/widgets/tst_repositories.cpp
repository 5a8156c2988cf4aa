#include "ArtworkDir.h"
#include "MessageCapture.h"
#include "widgets/FontRepository.h"
#include "widgets/PaletteRepository.h"

#include <QtTest>

class tst_Repositories : public QObject
{
    Q_OBJECT

private:
    static QString fontFolder() { return ArtworkDir::buildResources() + QStringLiteral("/fonts"); }

private slots:
    void presets_data()
    {
        QTest::addColumn<QFont>("font");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("italic");
        QTest::addColumn<int>("pixels");
        const FontRepository *fonts = FontRepository::instance();
        QTest::newRow("bold24") << fonts->bold24() << true << false << 24;
        QTest::newRow("normal22") << fonts->normal22() << false << false << 22;
        QTest::newRow("bold18") << fonts->bold18() << true << false << 18;
        QTest::newRow("bold15") << fonts->bold15() << true << false << 15;
        QTest::newRow("bold12") << fonts->bold12() << true << false << 12;
        QTest::newRow("normal15") << fonts->normal15() << false << false << 15;
        QTest::newRow("normal12") << fonts->normal12() << false << false << 12;
        QTest::newRow("italic15") << fonts->italic15() << false << true << 15;
        QTest::newRow("bold22") << fonts->bold22() << true << false << 22;
        QTest::newRow("normal22b") << fonts->normal22b() << false << false << 22;
        QTest::newRow("boldItalic20") << fonts->boldItalic20() << true << true << 20;
    }

    void presets()
    {
        QFETCH(QFont, font);
        QFETCH(bool, bold);
        QFETCH(bool, italic);
        QFETCH(int, pixels);
        QCOMPARE(font.bold(), bold);
        QCOMPARE(font.italic(), italic);
        QCOMPARE(font.pixelSize(), pixels);
        QCOMPARE(font.family(), QStringLiteral("DejaVu Sans"));
    }

    void monospaceFollowsTheLanguageFont()
    {
        MessageCapture capture;
        FontRepository fonts(fontFolder());
        QCOMPARE(fonts.family(FontRepository::DejaVuSans), QStringLiteral("DejaVu Sans"));
        QCOMPARE(fonts.mono16().family(), QStringLiteral("DejaVu Sans Mono"));
        QCOMPARE(fonts.mono16().pointSize(), 16);
        QCOMPARE(fonts.mono16().pixelSize(), -1);

        // The Chinese font is not installed here: its presets fall back to
        // the default family, and the monospace preset asks for a typewriter.
        fonts.setApplicationFont(FontRepository::WqyMicroHei);
        QCOMPARE(fonts.bold24().family(), QStringLiteral("DejaVu Sans"));
        QCOMPARE(fonts.mono16().styleHint(), QFont::TypeWriter);
        fonts.setApplicationFont(FontRepository::DejaVuSans);
        QCOMPARE(fonts.mono16().family(), QStringLiteral("DejaVu Sans Mono"));
    }

    void fontIdsAreTheRegisteredOnes()
    {
        // A second repository registers the files again and gets new ids;
        // it must use those, not the file's position.
        FontRepository first(fontFolder());
        FontRepository second(fontFolder());
        QVERIFY(first.registeredFontId(FontRepository::DejaVuSans) >= 0);
        QVERIFY(second.registeredFontId(FontRepository::DejaVuSans)
                != first.registeredFontId(FontRepository::DejaVuSans));
        QCOMPARE(second.family(FontRepository::DejaVuSansMono), QStringLiteral("DejaVu Sans Mono"));
        QCOMPARE(second.registeredFontId(-1), -1);
        QCOMPARE(second.registeredFontId(FontRepository::FontCount), -1);
    }

    void missingFontsFallBackToADefaultFamily()
    {
        MessageCapture capture;
        QTemporaryDir empty;
        FontRepository fonts(empty.path());
        QVERIFY(capture.contains(QStringLiteral("FontRepository::FontRepository: cannot register font")));
        QCOMPARE(fonts.registeredFontId(FontRepository::DejaVuSans), -1);
        QVERIFY(!fonts.bold24().family().isEmpty());
        QVERIFY(!fonts.mono16().family().isEmpty());
        QCOMPARE(fonts.bold24().pixelSize(), 24);
        fonts.setApplicationFont(99);
        QVERIFY(!fonts.normal15().family().isEmpty());
    }

    void copiesKeepTheirFamily()
    {
        QTemporaryDir empty;
        QFile::copy(fontFolder() + QStringLiteral("/DejaVuSans-Mono.ttf"),
                    empty.path() + QStringLiteral("/NanumGothic-Regular.ttf"));
        FontRepository fonts(empty.path());
        const QFont before = fonts.bold15();
        fonts.setApplicationFont(FontRepository::NanumGothic);
        QCOMPARE(fonts.bold15().family(), QStringLiteral("DejaVu Sans Mono"));
        QVERIFY(before.family() != fonts.bold15().family());
    }

    void palettes_data()
    {
        QTest::addColumn<QPalette>("palette");
        QTest::addColumn<QColor>("window");
        QTest::addColumn<QColor>("windowText");
        QTest::addColumn<QColor>("buttonText");
        const PaletteRepository *p = PaletteRepository::instance();
        const QColor standard;
        QTest::newRow("white") << p->whitePalette() << QColor(255, 255, 255) << QColor(225, 225, 225) << standard;
        QTest::newRow("grey") << p->greyPalette() << QColor(225, 225, 225) << QColor(38, 38, 38) << standard;
        QTest::newRow("blue") << p->bluePalette() << QColor(44, 103, 174) << QColor(255, 255, 255) << standard;
        QTest::newRow("yellow") << p->yellowPalette() << QColor(255, 175, 40) << QColor(38, 38, 38) << standard;
        QTest::newRow("red") << p->redPalette() << QColor(200, 0, 0) << QColor(255, 255, 255) << standard;
        QTest::newRow("whiteText") << p->whiteTextPalette() << standard << QColor(255, 255, 255)
                                   << QColor(255, 255, 255);
        QTest::newRow("darkText") << p->darkTextPalette() << standard << QColor(255, 255, 255) << QColor(38, 38, 38);
    }

    void palettes()
    {
        QFETCH(QPalette, palette);
        QFETCH(QColor, window);
        QFETCH(QColor, windowText);
        QFETCH(QColor, buttonText);
        const QPalette standard;
        for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            QCOMPARE(palette.color(group, QPalette::Window),
                     window.isValid() ? window : standard.color(group, QPalette::Window));
            QCOMPARE(palette.color(group, QPalette::WindowText), windowText);
            QCOMPARE(palette.color(group, QPalette::ButtonText),
                     buttonText.isValid() ? buttonText : standard.color(group, QPalette::ButtonText));
        }
    }

    void namedColours()
    {
        QCOMPARE(PaletteRepository::instance()->bluePalette().color(QPalette::Base), QColor(44, 103, 174));
        QCOMPARE(PaletteRepository::darkGrey(), QColor(38, 38, 38));
        QCOMPARE(PaletteRepository::lightGrey(), QColor(225, 225, 225));
        QCOMPARE(PaletteRepository::midGrey(), QColor(125, 125, 125));
        QCOMPARE(PaletteRepository::white(), QColor(255, 255, 255));
        QCOMPARE(PaletteRepository::shadowGrey(), QColor(38, 38, 38, 204));
        for (const QColor &opaque : {PaletteRepository::darkGrey(), PaletteRepository::lightGrey(),
                                     PaletteRepository::midGrey(), PaletteRepository::white()})
            QCOMPARE(opaque.alpha(), 255);
    }
};

QTEST_MAIN(tst_Repositories)
#include "tst_repositories.moc"
