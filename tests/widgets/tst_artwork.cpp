#include "ArtTable.h"
#include "ArtworkDir.h"
#include "widgets/ButtonSkinCache.h"

#include <QDirIterator>
#include <QRegularExpression>
#include <QtTest>

#include <set>

// Every image the code names must be one the build paints.
class tst_Artwork : public QObject
{
    Q_OBJECT

private:
    static std::set<QString> tablePaths()
    {
        std::set<QString> paths;
        for (const ArtEntry &entry : artTable())
            paths.insert(readPath(entry));
        return paths;
    }

    static std::set<QString> tableFileNames()
    {
        std::set<QString> names;
        for (const ArtEntry &entry : artTable())
            names.insert(QFileInfo(QLatin1String(entry.path)).fileName());
        return names;
    }

    // The ".png" names written in the engine's sources.
    static QStringList imageNamesInSources()
    {
        const QStringList folders = {"app",     "link",       "paneldata",   "eventlog", "pointmodels",
                                     "widgets", "frontpanel", "listscreens", "screens",  "reports"};
        const QRegularExpression literal(QStringLiteral("\"([^\"\\n]*\\.png)\""));
        QStringList names;
        for (const QString &folder : folders) {
            QDirIterator files(QStringLiteral(TESK_SOURCE_DIR "/") + folder, {"*.h", "*.cpp"}, QDir::Files,
                               QDirIterator::Subdirectories);
            while (files.hasNext()) {
                QFile file(files.next());
                if (!file.open(QIODevice::ReadOnly))
                    continue;
                const QString text = QString::fromUtf8(file.readAll());
                auto matches = literal.globalMatch(text);
                while (matches.hasNext())
                    names << matches.next().captured(1);
            }
        }
        return names;
    }

private slots:
    void tableNamesAreUnique() { QCOMPARE(tablePaths().size(), artTable().size()); }

    void everyImageNamedInTheCodeIsPainted()
    {
        const std::set<QString> paths = tablePaths();
        const std::set<QString> fileNames = tableFileNames();
        const QStringList names = imageNamesInSources();
        // A site installs its own idle picture; the build ships none.
        const std::set<QString> siteImages = {QStringLiteral("sleep.png")};
        QVERIFY(names.size() > 40);
        for (const QString &name : names) {
            if (siteImages.count(name) == 1)
                continue;
            // Full paths must match exactly; bare file names (the skin
            // table's) must be painted in some folder.
            const bool found = name.contains(QLatin1Char('/')) ? paths.count(name) == 1 : fileNames.count(name) == 1;
            if (!found)
                QFAIL(qPrintable(QStringLiteral("not painted by artgen: ") + name));
        }
    }

    void everySkinImageIsPainted()
    {
        const std::set<QString> paths = tablePaths();
        for (int type = 0; type < ButtonSkinCache::TypeCount; ++type) {
            for (int state = 0; state < ButtonSkinCache::StateCount; ++state) {
                const QString path = ButtonSkinCache::imagePath(type, ButtonSkinCache::State(state));
                if (!path.isEmpty() && paths.count(path) != 1)
                    QFAIL(qPrintable(QStringLiteral("skin image not painted: ") + path));
            }
        }
    }

    void theBuildPaintedEveryImageAtItsSize()
    {
        ArtworkDir artwork;
        QVERIFY(artwork.isValid());
        for (const ArtEntry &entry : artTable()) {
            const QImage image(readPath(entry));
            if (image.isNull())
                QFAIL(qPrintable(QStringLiteral("missing: ") + readPath(entry)));
            QCOMPARE(image.size(), QSize(entry.width, entry.height));
        }
        // Compiled in and registered before main() ran.
        QVERIFY(QFile::exists(QStringLiteral(":/new/prefix1/backgroundProtection.png")));
    }

    void fontsAreInstalledUnderTheirNames()
    {
        for (const char *name : {"DejaVuSans.ttf", "DejaVuSans-Mono.ttf"})
            QVERIFY(QFile::exists(ArtworkDir::buildResources() + QStringLiteral("/fonts/") + QLatin1String(name)));
    }

    void statusIconsAreFoundWithoutASuffix()
    {
        ArtworkDir artwork;
        QVERIFY(artwork.isValid());
        for (const char *name : {"_Login", "_service", "_commis", "_evacuate_status", "_walk", "_servicereset",
                                 "_deactive", "_busy", "_incompatible"}) {
            for (const char *colour : {"_white", "_grey"}) {
                const QString path = QStringLiteral("../resources/icons/status/Icons") + QLatin1String(name)
                                     + QStringLiteral("_smll") + QLatin1String(colour);
                QVERIFY2(!QPixmap(path).isNull(), qPrintable(path));
            }
        }
    }
};

QTEST_MAIN(tst_Artwork)
#include "tst_artwork.moc"
