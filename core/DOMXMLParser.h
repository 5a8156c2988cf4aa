#pragma once

#include <QDomDocument>
#include <QFile>
#include <QMap>
#include <QObject>
#include <QString>

// The one reader and writer of the engine's configuration documents: a root
// element holding simple elements of one text value each. A file that fails
// its schema is reported and read all the same; a missing or unreadable file
// reads as an empty document, so callers keep their defaults.
class DOMXMLParser final : public QObject
{
    Q_OBJECT

public:
    // Larger files are not configuration documents and are not read.
    static constexpr qint64 MaxFileSize = 1024 * 1024;

    explicit DOMXMLParser(QObject *parent = nullptr);
    // A parser for writing the named file.
    explicit DOMXMLParser(const QString &fileName, QObject *parent = nullptr);
    ~DOMXMLParser() override;

    // Validates the file against the schema, then parses it. Always true.
    bool loadFile(const QString &xmlFile, const QString &schemaFile);
    // For every element with the tag (and each sibling after it), each child
    // element's tag and text; a later element of the same name wins.
    void readElementMap(const QString &tagName, QMap<QString, QString> &values) const;
    // Replaces the document by the root and one child per entry, in key order.
    void buildDocument(const QMap<QString, QString> &values, const QString &rootName);
    // Writes the document aside and renames it into place; false on failure.
    bool save();

private:
    bool validate(const QByteArray &xml, const QString &schemaFile) const;

    QFile m_file;
    QDomDocument m_document;
};
