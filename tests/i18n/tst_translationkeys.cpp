#include <QDirIterator>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

// Every key that the engine's sources hand to the translator with a literal
// (tr, QCoreApplication::translate, QT_TRANSLATE_NOOP) has its English line,
// in the context its lookup uses; otherwise the screen shows the bare key.
// lupdate finds the keys and their contexts as Qt's own tools do. A key
// literal that lupdate cannot see (one handed bare to a helper) is reported
// too: its context is unknown, so nothing can say whether it is translated.
class TestTranslationKeys final : public QObject
{
    Q_OBJECT

private slots:
    void checkFindsWhatIsMissing_data();
    void checkFindsWhatIsMissing();
    void everyEngineKeyHasItsEnglishLine();
};

namespace {

// One message of a translation source.
struct Message
{
    QString context;
    QString key;
    QString text;
    bool finished = true;
    // Where the sources use it: "<canonical path>:<line>".
    QStringList locations;
};

QString location(const QString &path, int line)
{
    return QFileInfo(path).canonicalFilePath() + QLatin1Char(':') + QString::number(line);
}

QVector<Message> readTranslationSource(const QString &path, QStringList &problems)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        problems << QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
        return {};
    }
    const QDir base = QFileInfo(path).absoluteDir();
    QVector<Message> messages;
    QString context;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QStringRef element = xml.name();
        if (element == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (element == QLatin1String("message")) {
            messages.append(Message{context, {}, {}, true, {}});
        } else if (messages.isEmpty()) {
            continue;
        } else if (element == QLatin1String("location")) {
            const QXmlStreamAttributes attributes = xml.attributes();
            messages.last().locations << location(base.absoluteFilePath(attributes.value("filename").toString()),
                                                  attributes.value("line").toInt());
        } else if (element == QLatin1String("source")) {
            messages.last().key = xml.readElementText();
        } else if (element == QLatin1String("translation")) {
            messages.last().finished = xml.attributes().value("type").isEmpty();
            messages.last().text = xml.readElementText();
        }
    }
    if (xml.hasError())
        problems << QStringLiteral("%1 line %2: %3").arg(path).arg(xml.lineNumber()).arg(xml.errorString());
    return messages;
}

// What lupdate finds in the folders below root.
QVector<Message> usedKeys(const QString &root, const QStringList &folders, QStringList &problems)
{
    QTemporaryDir output;
    const QString extracted = output.filePath(QStringLiteral("extracted.ts"));
    QProcess lupdate;
    lupdate.setWorkingDirectory(root);
    lupdate.setProcessChannelMode(QProcess::MergedChannels);
    lupdate.start(QStringLiteral(TESK_LUPDATE),
                  QStringList{"-silent", "-no-obsolete", "-locations", "absolute", "-I", root} + folders
                      + QStringList{"-ts", extracted});
    if (!lupdate.waitForFinished(120000) || lupdate.exitStatus() != QProcess::NormalExit || lupdate.exitCode() != 0) {
        problems << QStringLiteral("lupdate failed: %1").arg(QString::fromLocal8Bit(lupdate.readAll()));
        return {};
    }
    return readTranslationSource(extracted, problems);
}

struct KeyLiteral
{
    QString key;
    QString where;
};

// Every literal shaped like a translation key.
QVector<KeyLiteral> keyLiterals(const QString &root, const QStringList &folders)
{
    static const QRegularExpression keyLiteral(QStringLiteral("\"(_[A-Z][A-Z0-9_/]*)\""));
    QVector<KeyLiteral> literals;
    for (const QString &folder : folders) {
        QDirIterator files(QDir(root).filePath(folder), {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                           QDirIterator::Subdirectories);
        while (files.hasNext()) {
            QFile file(files.next());
            if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
                continue;
            const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
            for (int i = 0; i < lines.size(); ++i) {
                QRegularExpressionMatchIterator matches = keyLiteral.globalMatch(lines.at(i));
                while (matches.hasNext())
                    literals.append({matches.next().captured(1), location(file.fileName(), i + 1)});
            }
        }
    }
    return literals;
}

// What keeps the sources below root from showing English words: one line
// per key without an English line and per key literal lupdate cannot see.
QStringList problems(const QString &root, const QStringList &folders, const QString &translationFile)
{
    QStringList found;
    const QVector<Message> used = usedKeys(root, folders, found);
    QHash<QPair<QString, QString>, Message> english;
    for (const Message &message : readTranslationSource(translationFile, found))
        english.insert({message.context, message.key}, message);

    QSet<QString> seen;
    for (const Message &use : used) {
        const Message line = english.value({use.context, use.key});
        if (!line.finished || line.text.isEmpty()) {
            found << QStringLiteral("no English line for %1 in context %2 (%3)")
                         .arg(use.key, use.context, use.locations.join(QLatin1String(", ")));
        }
        for (const QString &where : use.locations)
            seen.insert(where + QLatin1Char(' ') + use.key);
    }
    for (const KeyLiteral &literal : keyLiterals(root, folders)) {
        if (!seen.contains(literal.where + QLatin1Char(' ') + literal.key)) {
            found << QStringLiteral("%1 at %2 reaches the translator unmarked; pass it to tr() or "
                                    "QCoreApplication::translate(), or mark it with QT_TRANSLATE_NOOP")
                         .arg(literal.key, literal.where);
        }
    }
    return found;
}

QString translationSource(const QStringList &lines)
{
    QString xml = QStringLiteral("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE TS>\n<TS version=\"2.1\">\n");
    for (const QString &line : lines) {
        // "context/key=text"; a missing text makes an unfinished line.
        const QString context = line.section(QLatin1Char('/'), 0, 0);
        const QString key = line.section(QLatin1Char('/'), 1).section(QLatin1Char('='), 0, 0);
        const QString text = line.section(QLatin1Char('='), 1);
        xml += QStringLiteral("<context><name>%1</name><message><source>%2</source>%3</message></context>\n")
                   .arg(context, key,
                        text.isEmpty() ? QStringLiteral("<translation type=\"unfinished\"></translation>")
                                       : QStringLiteral("<translation>%1</translation>").arg(text));
    }
    return xml + QStringLiteral("</TS>\n");
}

} // namespace

void TestTranslationKeys::checkFindsWhatIsMissing_data()
{
    QTest::addColumn<QString>("call");
    QTest::addColumn<QStringList>("englishLines");
    QTest::addColumn<QStringList>("reportedKeys");

    const QStringList all{"Page/_TITLE_HDR=Title", "Other/_OK_SK=OK", "Table/_ROW_LISTITEM=Row"};
    QTest::newRow("every key has its line") << QString() << all << QStringList();
    QTest::newRow("tr key without a line") << QString() << QStringList(all.mid(1)) << QStringList{"_TITLE_HDR"};
    QTest::newRow("line in another context")
        << QString() << QStringList{"Page/_TITLE_HDR=Title", "Page/_OK_SK=OK", "Table/_ROW_LISTITEM=Row"}
        << QStringList{"_OK_SK"};
    QTest::newRow("unfinished line") << QString() << QStringList{"Page/_TITLE_HDR=Title", "Other/_OK_SK", all.at(2)}
                                     << QStringList{"_OK_SK"};
    QTest::newRow("key handed bare to a helper")
        << QStringLiteral("QString Page::help() const { return lookUp(\"_HELP_HDR\"); }")
        << QStringList(all + QStringList{"Page/_HELP_HDR=Help"}) << QStringList{"_HELP_HDR"};
    QTest::newRow("marked key without a line")
        << QStringLiteral("const char *extra = QT_TRANSLATE_NOOP(\"Page\", \"_MORE_HDR\");") << all
        << QStringList{"_MORE_HDR"};
}

void TestTranslationKeys::checkFindsWhatIsMissing()
{
    QFETCH(QString, call);
    QFETCH(QStringList, englishLines);
    QFETCH(QStringList, reportedKeys);

    QTemporaryDir root;
    QVERIFY(QDir(root.path()).mkpath(QStringLiteral("screens")));
    QFile source(root.filePath(QStringLiteral("screens/Page.cpp")));
    QVERIFY(source.open(QIODevice::WriteOnly));
    source.write(
        QStringLiteral("#include <QObject>\n"
                       "class Page : public QObject\n{\n    Q_OBJECT\npublic:\n"
                       "    QString title() const;\n    QString help() const;\n};\n"
                       "QString Page::title() const { return tr(\"_TITLE_HDR\"); }\n"
                       "QString ok() { return QCoreApplication::translate(\"Other\", \"_OK_SK\"); }\n"
                       "const char *const rows[] = {\n    QT_TRANSLATE_NOOP(\"Table\", \"_ROW_LISTITEM\"),\n};\n"
                       "%1\n")
            .arg(call)
            .toUtf8());
    source.close();
    QFile english(root.filePath(QStringLiteral("english.ts")));
    QVERIFY(english.open(QIODevice::WriteOnly));
    english.write(translationSource(englishLines).toUtf8());
    english.close();

    const QStringList found = problems(root.path(), {QStringLiteral("screens")}, english.fileName());
    QCOMPARE(found.size(), reportedKeys.size());
    for (const QString &key : qAsConst(reportedKeys))
        QVERIFY2(!found.filter(key).isEmpty(), qPrintable(found.join(QLatin1Char('\n'))));
}

void TestTranslationKeys::everyEngineKeyHasItsEnglishLine()
{
    const QString root = QStringLiteral(TESK_SOURCE_DIR);
    QStringList folders;
    for (const QString &folder : QStringLiteral(TESK_ENGINE_FOLDERS).split(QLatin1Char(','))) {
        if (QFileInfo(QDir(root).filePath(folder)).isDir())
            folders << folder;
    }
    QVERIFY(!folders.isEmpty());
    const QStringList found = problems(root, folders, QDir(root).filePath(QStringLiteral("i18n/TESK_GBR_en-GB.ts")));
    // The failure message is cut short; the log keeps every line.
    for (const QString &problem : found)
        qWarning().noquote() << problem;
    QVERIFY2(found.isEmpty(), qPrintable(QStringLiteral("%1 keys without English, listed above").arg(found.size())));
}

QTEST_GUILESS_MAIN(TestTranslationKeys)
#include "tst_translationkeys.moc"
