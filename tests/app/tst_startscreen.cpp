#include "ArtworkDir.h"
#include "WidgetShot.h"
#include "app/AUK_30001.h"
#include "app/PageStack.h"
#include "app/SystemState.h"

#include <QLabel>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

constexpr char vornish[] = "AUK_80089_sleep_vornish.png";
constexpr char saltmarsh[] = "AUK_80300_sleep_saltmarsh.png";
constexpr char site[] = "sleep.png";

// A picture of one flat colour, as a site's own idle picture.
bool writeSitePicture(const QString &path, const QColor &colour)
{
    QImage image(640, 480, QImage::Format_RGB32);
    image.fill(colour);
    return image.save(path);
}

class Screen final : public Page
{
    Q_OBJECT
};

} // namespace

// The idle picture: the site's own when there is one, else the brand's.
class tst_StartScreen : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void pictureByBrand_data();
    void pictureByBrand();
    void sitePictureInstalledWhileRunning();
    void isTheBaseForEveryone();
    void screenshot();

private:
    QString imagePath(const char *name) const;
    void installBrandPicture(const char *name);

    std::unique_ptr<QTemporaryDir> m_root;
    QString m_previous;
};

void tst_StartScreen::initTestCase()
{
    m_previous = QDir::currentPath();
    QVERIFY(QFile::exists(ArtworkDir::buildResources() + QStringLiteral("/images/") + vornish));
}

// Each test has a resources folder of its own beside its data folder, so
// pictures can be added and taken away.
void tst_StartScreen::init()
{
    m_root = std::make_unique<QTemporaryDir>();
    const QDir root(m_root->path());
    QVERIFY(root.mkpath(QStringLiteral("data")) && root.mkpath(QStringLiteral("resources/images")));
    QVERIFY(QDir::setCurrent(root.filePath(QStringLiteral("data"))));
    SystemState::instance()->setBrand(0);
}

void tst_StartScreen::cleanup()
{
    QDir::setCurrent(m_previous);
    m_root.reset();
}

QString tst_StartScreen::imagePath(const char *name) const
{
    return QStringLiteral("../resources/images/") + QLatin1String(name);
}

void tst_StartScreen::installBrandPicture(const char *name)
{
    QVERIFY(
        QFile::copy(ArtworkDir::buildResources() + QStringLiteral("/images/") + QLatin1String(name), imagePath(name)));
}

void tst_StartScreen::pictureByBrand_data()
{
    QTest::addColumn<int>("brand");
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QString>("shown");

    const QStringList both{vornish, saltmarsh};
    QTest::newRow("brand 0") << 0 << both << vornish;
    QTest::newRow("brand 1") << 1 << both << saltmarsh;
    QTest::newRow("brand 1, only the other brand's") << 1 << QStringList{vornish} << "";
    QTest::newRow("brand 0, only the other brand's") << 0 << QStringList{saltmarsh} << "";
    QTest::newRow("site picture, brand 0") << 0 << (both + QStringList{site}) << site;
    QTest::newRow("site picture, brand 1") << 1 << (both + QStringList{site}) << site;
    QTest::newRow("nothing") << 0 << QStringList() << "";
}

void tst_StartScreen::pictureByBrand()
{
    QFETCH(int, brand);
    QFETCH(QStringList, present);
    QFETCH(QString, shown);

    for (const QString &name : present) {
        if (name == QLatin1String(site))
            QVERIFY(writeSitePicture(imagePath(site), Qt::darkGreen));
        else
            installBrandPicture(qPrintable(name));
    }
    SystemState::instance()->setBrand(brand);
    AUK_30001 page;
    auto *label = page.findChild<QLabel *>(QStringLiteral("label"));
    QVERIFY(label);
    QCOMPARE(label->geometry(), QRect(0, 0, 640, 480));
    QCOMPARE(page.objectName(), QStringLiteral("AUK_30001"));
    QCOMPARE(page.size(), QSize(640, 480));
    if (shown.isEmpty()) {
        QVERIFY(page.picturePath().isEmpty());
        QVERIFY(label->pixmap(Qt::ReturnByValue).isNull());
    } else {
        QCOMPARE(page.picturePath(), imagePath(qPrintable(shown)));
        QVERIFY(!label->pixmap(Qt::ReturnByValue).isNull());
    }
}

// The update functions install a site's picture while the engine runs; it
// shows the next time the start screen comes to the top.
void tst_StartScreen::sitePictureInstalledWhileRunning()
{
    installBrandPicture(vornish);
    PageStack *stack = PageStack::instance();
    auto *page = new AUK_30001;
    stack->push(page);
    stack->show();
    QCOMPARE(page->picturePath(), imagePath(vornish));

    stack->push(new Screen);
    QVERIFY(writeSitePicture(imagePath(site), Qt::darkGreen));
    stack->pop();
    QTRY_COMPARE(page->picturePath(), imagePath(site));
    const QImage shot = WidgetShot::grab(page);
    QVERIFY(WidgetShot::fractionNear(shot, shot.rect(), Qt::darkGreen) > 0.99);

    delete stack;
}

void tst_StartScreen::isTheBaseForEveryone()
{
    AUK_30001 page;
    QCOMPARE(page.requiredAccessLevel(), int(TESKEnumHolder::EN54_NOT_LOGGED_IN));
    QVERIFY(!page.isPopup());
}

void tst_StartScreen::screenshot()
{
    const EnglishTexts english;
    QVERIFY(english.isLoaded());
    installBrandPicture(vornish);
    AUK_30001 page;
    const QImage shot = WidgetShot::grab(&page);
    QCOMPARE(shot.size(), QSize(640, 480));
    // The brand's picture fills the screen: no corner is left transparent.
    QVERIFY(!WidgetShot::isTransparent(shot, QRect(0, 0, 10, 10)));
    QVERIFY(!WidgetShot::isTransparent(shot, QRect(630, 470, 10, 10)));
    WidgetShot::saveForReview(shot, QStringLiteral("AUK_30001"));
    QCOMPARE(WidgetShot::textProblems(&page), QString());
}

QTEST_MAIN(tst_StartScreen)
#include "tst_startscreen.moc"
