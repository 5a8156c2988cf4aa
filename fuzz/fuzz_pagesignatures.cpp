// The page signature file "syncpages.bin" as the engine loads it at start:
// any bytes, then a save and a load again must give the same signatures.

#include "fuzz/FuzzQt.h"
#include "link/sc_syncPages.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    startQtForFuzzing(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir directory;
    const QString fileName = directory.filePath(QStringLiteral("syncpages.bin"));
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 0;
    file.write(reinterpret_cast<const char *>(data), qint64(size));
    file.close();

    sc_syncPages loaded;
    loaded.load(fileName);
    if (!loaded.save(fileName))
        return 0;
    sc_syncPages again;
    again.load(fileName);
    if (again.entries().keys() != loaded.entries().keys())
        std::abort();
    for (auto it = loaded.entries().cbegin(); it != loaded.entries().cend(); ++it) {
        if (again.entries().value(it.key()).signature != it->signature)
            std::abort();
    }
    return 0;
}
