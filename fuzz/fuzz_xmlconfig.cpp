// The configuration-file reader: any bytes as "globalconfig.xml", checked
// against the installed schema and read the way the global configuration
// reads it.

#include "core/DOMXMLParser.h"
#include "core/GlobalConstants.h"
#include "fuzz/FuzzQt.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QTemporaryDir>

#include <cstdio>

namespace {

QString g_file;
QString g_schema;

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    startQtForFuzzing(argc, argv);
    // Every rejected file prints its line to standard output.
    if (!std::freopen("/dev/null", "w", stdout))
        return 1;
    static QTemporaryDir directory;
    g_file = directory.filePath(QLatin1String(GlobalConstants::globalConfigFileName));
    g_schema = QDir(QCoreApplication::applicationDirPath())
                   .filePath(QLatin1String(GlobalConstants::globalConfigSchemaFileName));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QFile file(g_file);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 0;
    file.write(reinterpret_cast<const char *>(data), qint64(size));
    file.close();

    DOMXMLParser parser;
    parser.loadFile(g_file, g_schema);
    QMap<QString, QString> values;
    parser.readElementMap(QStringLiteral("globalConfig"), values);
    parser.readElementMap(QStringLiteral("service"), values);
    return 0;
}
