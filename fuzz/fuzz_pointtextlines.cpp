// The point-text file lines: any file content read into a panel's store.
// Whatever is read must write back and read again to the same entries.

#include "fuzz/FuzzQt.h"
#include "paneldata/PointTextLines.h"

#include <cstdlib>

namespace {

PanelPointStringsContainer read(QString text)
{
    PanelPointStringsContainer texts;
    QTextStream stream(&text);
    stream >> texts;
    return texts;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    startQtForFuzzing(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const PanelPointStringsContainer texts = read(QString::fromUtf8(reinterpret_cast<const char *>(data), int(size)));
    QString written;
    QTextStream stream(&written);
    stream << texts;
    stream.flush();
    if (read(written).entries() != texts.entries())
        std::abort();
    return 0;
}
