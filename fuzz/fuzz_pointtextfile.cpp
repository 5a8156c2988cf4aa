// The point-text file reader: any bytes as a panel's file, read as after a
// restart. Every point read must be the one the cache then serves, and a
// file the engine rewrites from what it read must read back the same.

#include "fuzz/FuzzQt.h"
#include "paneldata/PanelPointStringsFile.h"
#include "paneldata/PointTextCache.h"

#include <QDir>
#include <QTemporaryDir>

#include <cstdlib>

namespace {

constexpr quint8 Panel = 7;
constexpr quint8 OtherPanel = 8;
constexpr int PointsChecked = 32;

PanelPointStringsContainer readBack()
{
    PanelPointStringsContainer texts;
    if (!PanelPointStringsFile(Panel).readContainer(texts))
        std::abort();
    return texts;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    startQtForFuzzing(argc, argv);
    static QTemporaryDir directory;
    QDir::setCurrent(directory.path());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QDir().mkpath(PanelPointStringsFile::directoryPath(Panel));
    QFile file(PanelPointStringsFile(Panel).fileName());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 0;
    file.write(reinterpret_cast<const char *>(data), qint64(size));
    file.close();

    PanelPointStringsContainer read = readBack();
    PointTextCache *cache = PointTextCache::instance();
    cache->storePanelTexts(OtherPanel, {});
    cache->clear();
    const QVector<PointTextEntry> &entries = read.entries();
    for (int i = 0; i < entries.size() && i < PointsChecked; ++i) {
        const PointTextEntry &entry = entries.at(i);
        if (cache->pointText(Panel, entry.channel, entry.point, 1) != entry.firstText
            || cache->pointText(Panel, entry.channel, entry.point, 2) != entry.secondText)
            std::abort();
    }

    const PointTextEntry renamed{ChannelAddress(12, 1, 0), 1, QStringLiteral("a;b\\n"), QStringLiteral("\n")};
    cache->updatePointText(Panel, renamed.channel, renamed.point, renamed.firstText, 1);
    cache->updatePointText(Panel, renamed.channel, renamed.point, renamed.secondText, 2);
    read.set(renamed);
    if (readBack().entries() != read.entries())
        std::abort();
    return 0;
}
