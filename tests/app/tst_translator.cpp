#include "app/Translator.h"
#include "core/TeskGlobalConfig.h"
#include "widgets/CardViewIface.h"
#include "widgets/FontRepository.h"
#include "widgets/Page.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

QString buildDirectory()
{
    return QString::fromLocal8Bit(qgetenv("TESK_BUILD_DIR"));
}

// The shipped English translation, and the test's own small ones.
QString sourceOf(const QString &fileName)
{
    if (fileName == QLatin1String("TESK_GBR_en-GB.qm"))
        return buildDirectory() + QStringLiteral("/i18n/") + fileName;
    return buildDirectory() + QStringLiteral("/tests/app/translations/") + fileName;
}

QString languageName()
{
    return QCoreApplication::translate("Translator", "_LANGUAGE_NAME_SK");
}

bool monoIsTypeWriter()
{
    return FontRepository::instance()->mono16().styleHint() == QFont::TypeWriter;
}

} // namespace

// Which translations load, which one is installed, and what selecting a
// language does to the locale, the text direction and the fonts.
class tst_Translator : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void loadsBothLanguagesAndTheDefault();
    void missingLanguageFallsBackToEnglish_data();
    void missingLanguageFallsBackToEnglish();
    void noTranslationShowsTheKeys();
    void hebrewIsRightToLeft();
    void fontSetFollowsTheScript();
    void pendingLanguageOverrides();
    void languageNames();
    void baseDirectoryOutlivesTheWorkingDirectory();
    void localeOfTheCurrentLanguage();
    void englishTranslationCoversTheKeysInUse_data();
    void englishTranslationCoversTheKeysInUse();

private:
    // A base directory whose "i18n" holds the named files.
    void install(const QStringList &files);

    QTemporaryDir m_work;
    std::unique_ptr<QTemporaryDir> m_base;
    std::unique_ptr<Translator> m_translator;
};

void tst_Translator::initTestCase()
{
    QVERIFY(m_work.isValid());
    QVERIFY(QDir::setCurrent(m_work.path()));
    QVERIFY2(QFile::exists(sourceOf(QStringLiteral("TESK_GBR_en-GB.qm"))), "the build's English translation");
}

void tst_Translator::init()
{
    m_base = std::make_unique<QTemporaryDir>();
    QVERIFY(QDir(m_base->path()).mkdir(QStringLiteral("i18n")));
    m_translator = std::make_unique<Translator>();
    m_translator->setBaseDirectory(m_base->path());
}

void tst_Translator::cleanup()
{
    m_translator.reset();
    m_base.reset();
}

void tst_Translator::install(const QStringList &files)
{
    for (const QString &file : files)
        QVERIFY2(QFile::copy(sourceOf(file), m_base->path() + QStringLiteral("/i18n/") + file), qPrintable(file));
}

void tst_Translator::loadsBothLanguagesAndTheDefault()
{
    install({"TESK_default.qm", "TESK_DEU_de-DE.qm", "TESK_FRA_fr-FR.qm", "TESK_GBR_en-GB.qm"});
    m_translator->loadLanguages(2, 9);
    QCOMPARE(m_translator->loadedLanguages(), (QList<int>{0, 2, 9}));

    QSignalSpy changed(m_translator.get(), &Translator::languageChanged);
    QVERIFY(m_translator->setLanguage(9));
    QCOMPARE(m_translator->installedLanguage(), 9);
    QCOMPARE(languageName(), QStringLiteral("Français"));
    QCOMPARE(QLocale().language(), QLocale::French);
    QCOMPARE(QLocale().country(), QLocale::France);
    QCOMPARE(changed.count(), 1);

    QVERIFY(m_translator->setLanguage(2));
    QCOMPARE(languageName(), QStringLiteral("Deutsch"));
    QCOMPARE(QLocale().language(), QLocale::German);
    QCOMPARE(changed.count(), 2);

    // Row 24 reads the German file for Belgium.
    m_translator->setLanguage(24);
    QCOMPARE(languageName(), QStringLiteral("Default"));
    QCOMPARE(QLocale().country(), QLocale::Belgium);
}

void tst_Translator::missingLanguageFallsBackToEnglish_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::addColumn<QList<int>>("loaded");
    QTest::addColumn<int>("select");
    QTest::addColumn<QString>("shown");

    QTest::newRow("Korean missing") << QStringList{"TESK_default.qm", "TESK_GBR_en-GB.qm"} << 1 << 10
                                    << QList<int>{0, 1, 1} << 10 << "Default";
    QTest::newRow("Korean missing, no default file")
        << QStringList{"TESK_GBR_en-GB.qm"} << 1 << 10 << QList<int>{1, 1} << 10 << "English";
    QTest::newRow("empty Italian file") << QStringList{"TESK_ITA_it-IT.qm", "TESK_DEU_de-DE.qm", "TESK_GBR_en-GB.qm"}
                                        << 11 << 2 << QList<int>{1, 2} << 11 << "English";
    QTest::newRow("ids out of range are English")
        << QStringList{"TESK_GBR_en-GB.qm"} << 255 << 39 << QList<int>{1, 1} << 1 << "English";
    QTest::newRow("English missing too") << QStringList{"TESK_DEU_de-DE.qm"} << 10 << 2 << QList<int>{2} << 10
                                         << "Deutsch";
}

void tst_Translator::missingLanguageFallsBackToEnglish()
{
    QFETCH(QStringList, files);
    QFETCH(int, first);
    QFETCH(int, second);
    QFETCH(QList<int>, loaded);
    QFETCH(int, select);
    QFETCH(QString, shown);

    install(files);
    m_translator->loadLanguages(first, second);
    QCOMPARE(m_translator->loadedLanguages(), loaded);
    m_translator->setLanguage(select);
    QCOMPARE(languageName(), shown);
}

void tst_Translator::noTranslationShowsTheKeys()
{
    m_translator->loadLanguages(1, 2);
    QVERIFY(m_translator->loadedLanguages().isEmpty());
    QVERIFY(m_translator->setLanguage(2));
    QCOMPARE(m_translator->installedLanguage(), -1);
    QCOMPARE(languageName(), QStringLiteral("_LANGUAGE_NAME_SK"));
    QCOMPARE(m_translator->languageName(2), QString());
}

void tst_Translator::hebrewIsRightToLeft()
{
    install({"TESK_ISR_he-IL.qm", "TESK_GBR_en-GB.qm"});
    m_translator->loadLanguages(29, 1);
    m_translator->setLanguage(29);
    QVERIFY(m_translator->isRightToLeftLanguage());
    QVERIFY(Page::isRightToLeft());
    QVERIFY(CardViewIface::isRightToLeft());
    QVERIFY(Languages::isPanelTextRightToLeft());
    QCOMPARE(QLocale().language(), QLocale::Hebrew);

    m_translator->setLanguage(1);
    QVERIFY(!m_translator->isRightToLeftLanguage());
    QVERIFY(!Page::isRightToLeft());
    QVERIFY(!CardViewIface::isRightToLeft());
    QVERIFY(!Languages::isPanelTextRightToLeft());

    // Without the Hebrew file the English text is shown, left to right.
    QVERIFY(QFile::remove(m_base->path() + QStringLiteral("/i18n/TESK_ISR_he-IL.qm")));
    m_translator->loadLanguages(29, 1);
    m_translator->setLanguage(29);
    QVERIFY(!Page::isRightToLeft());
}

void tst_Translator::fontSetFollowsTheScript()
{
    install({"TESK_DEU_de-DE.qm", "TESK_CI_zh-Hant.qm", "TESK_FRA_fr-FR.qm", "TESK_GBR_en-GB.qm"});
    m_translator->loadLanguages(2, 12);
    m_translator->setLanguage(2);
    QVERIFY(!monoIsTypeWriter());
    m_translator->setLanguage(12);
    QVERIFY(monoIsTypeWriter());

    // The same script keeps the font set: German to French leaves what the
    // repository holds alone.
    m_translator->loadLanguages(2, 9);
    m_translator->setLanguage(2);
    FontRepository::instance()->setApplicationFont(FontRepository::WqyMicroHei);
    m_translator->setLanguage(9);
    QVERIFY(monoIsTypeWriter());

    // Language 0 always switches, to English.
    m_translator->setLanguage(0);
    QVERIFY(!monoIsTypeWriter());
    QCOMPARE(QLocale().language(), QLocale::English);
}

void tst_Translator::pendingLanguageOverrides()
{
    install({"TESK_DEU_de-DE.qm", "TESK_FRA_fr-FR.qm", "TESK_GBR_en-GB.qm"});
    m_translator->loadLanguages(9, 1);
    m_translator->setPendingLanguage(40);
    m_translator->setLanguage(9);
    QCOMPARE(languageName(), QStringLiteral("Français"));

    m_translator->setPendingLanguage(2);
    m_translator->setLanguage(9);
    QCOMPARE(m_translator->loadedLanguages(), (QList<int>{2, 1}));
    QCOMPARE(languageName(), QStringLiteral("Deutsch"));

    m_translator->setPendingLanguage(0);
    m_translator->setLanguage(1);
    QCOMPARE(languageName(), QStringLiteral("English"));
}

void tst_Translator::languageNames()
{
    install({"TESK_default.qm", "TESK_DEU_de-DE.qm", "TESK_GBR_en-GB.qm"});
    m_translator->loadLanguages(2, 1);
    QCOMPARE(m_translator->languageName(2), QStringLiteral("Deutsch"));
    QCOMPARE(m_translator->languageName(255), QStringLiteral("English"));
    QCOMPARE(m_translator->languageName(9), QStringLiteral("Default"));
}

// The engine names its base directory relative to where it starts and then
// moves into its data directory; later loads must still find the files.
void tst_Translator::baseDirectoryOutlivesTheWorkingDirectory()
{
    install({"TESK_GBR_en-GB.qm", "TESK_FRA_fr-FR.qm"});
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_base->path()));
    m_translator->setBaseDirectory(QStringLiteral("."));
    QVERIFY(QDir::setCurrent(m_work.path()));

    m_translator->loadLanguages(9, 1);
    QCOMPARE(m_translator->loadedLanguages(), (QList<int>{9, 1}));
    QVERIFY(QDir::setCurrent(previous));
}

void tst_Translator::localeOfTheCurrentLanguage()
{
    TeskGlobalConfig *config = TeskGlobalConfig::instance();
    config->setLanguages(129, 2, 850, 9, 850);
    config->setCurrentLang(1);
    QCOMPARE(m_translator->currentLanguageLocale().language(), QLocale::German);
    config->setCurrentLang(2);
    QCOMPARE(m_translator->currentLanguageLocale().language(), QLocale::French);

    QCOMPARE(Translator::fileName(0), QStringLiteral("TESK_default.qm"));
    QCOMPARE(Translator::fileName(23), QStringLiteral("TESK_FRA_fr-FR.qm"));
    QCOMPARE(Languages::table()[23].country, QLocale::Belgium);
    QCOMPARE(Languages::table()[12].fontGroup, 2);
    QCOMPARE(Languages::table()[10].fontGroup, 1);
}

void tst_Translator::englishTranslationCoversTheKeysInUse_data()
{
    QTest::addColumn<QString>("context");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("english");

    QTest::newRow("icon button") << "AUK_90002"
                                 << "_WALK_TEST_ICONBTN"
                                 << "Walk test";
    QTest::newRow("soft key") << "AUK_90005"
                              << "_LOGIN_SK"
                              << "Log on";
    QTest::newRow("popup key") << "AUK_90046"
                               << "_OK_POPUPSK"
                               << "OK";
    QTest::newRow("keypad") << "BaseButton"
                            << "_DEL_KEYPAD"
                            << "Del";
    QTest::newRow("filter prompt") << "FilterButton"
                                   << "_CLICK_TO_SELECT_SELPROMPT"
                                   << "Touch to select";
    QTest::newRow("month") << "Translator"
                           << "_FEBUARY_9_CHAR"
                           << "February";
    QTest::newRow("language") << "Translator"
                              << "_LANGUAGE_NAME_SK"
                              << "English";
}

void tst_Translator::englishTranslationCoversTheKeysInUse()
{
    QFETCH(QString, context);
    QFETCH(QString, key);
    QFETCH(QString, english);

    install({"TESK_GBR_en-GB.qm"});
    m_translator->loadLanguages(1, 1);
    m_translator->setLanguage(1);
    QCOMPARE(QCoreApplication::translate(qPrintable(context), qPrintable(key)), english);
}

QTEST_MAIN(tst_Translator)
#include "tst_translator.moc"
