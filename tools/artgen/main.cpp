// Paints the engine's artwork into the installation tree's "resources"
// folder and the simulator's compiled-in images beside a resource file.
//
//   artgen --out <resources folder> --qrc <resource file to write>

#include "ArtPainter.h"
#include "ArtTable.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSaveFile>
#include <QTextStream>

#include <cstdio>

namespace {

bool savePng(const QImage &image, const QString &path)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG"))
        return false;
    return file.commit();
}

bool writeQrc(const QString &path, const QStringList &files)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    QTextStream out(&file);
    out << "<RCC>\n    <qresource prefix=\"/new/prefix1\">\n";
    for (const QString &name : files)
        out << "        <file alias=\"" << name << "\">simulator/" << name << "</file>\n";
    out << "    </qresource>\n</RCC>\n";
    out.flush();
    return file.commit();
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    const QCommandLineOption outOption(QStringLiteral("out"), QStringLiteral("resources folder"),
                                       QStringLiteral("dir"));
    const QCommandLineOption qrcOption(QStringLiteral("qrc"), QStringLiteral("resource file"), QStringLiteral("file"));
    parser.addOption(outOption);
    parser.addOption(qrcOption);
    parser.process(app);
    if (!parser.isSet(outOption) || !parser.isSet(qrcOption)) {
        std::fprintf(stderr, "usage: artgen --out <resources folder> --qrc <resource file>\n");
        return 2;
    }
    const QDir out(parser.value(outOption));
    const QString qrcPath = parser.value(qrcOption);
    const QDir qrcDir = QFileInfo(qrcPath).absoluteDir();

    QStringList compiledIn;
    int failures = 0;
    for (const ArtEntry &entry : artTable()) {
        QString target;
        if (isCompiledIn(entry)) {
            const QString name = QString::fromLatin1(entry.path).mid(compiledInPrefix().size());
            compiledIn << name;
            target = qrcDir.filePath(QStringLiteral("simulator/") + name);
        } else {
            target = out.filePath(QLatin1String(entry.path));
        }
        if (!savePng(paintArt(entry), target)) {
            std::fprintf(stderr, "artgen: cannot write %s\n", qPrintable(target));
            ++failures;
        }
    }
    if (!writeQrc(qrcPath, compiledIn)) {
        std::fprintf(stderr, "artgen: cannot write %s\n", qPrintable(qrcPath));
        ++failures;
    }
    return failures == 0 ? 0 : 1;
}
