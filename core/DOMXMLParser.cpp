#include "core/DOMXMLParser.h"

#include <QAbstractMessageHandler>
#include <QDebug>
#include <QRegularExpression>
#include <QSaveFile>
#include <QUrl>
#include <QXmlSchema>
#include <QXmlSchemaValidator>

#include <cstdio>

namespace {

// Keeps the first complaint of the schema checker (it words them as XHTML)
// for one warning, instead of the checker's own output.
class ValidationMessages final : public QAbstractMessageHandler
{
public:
    QString first() const { return m_first; }

protected:
    void handleMessage(QtMsgType type, const QString &description, const QUrl &,
                       const QSourceLocation &location) override
    {
        if (type == QtDebugMsg || !m_first.isEmpty())
            return;
        static const QRegularExpression markup(QStringLiteral("<[^>]*>"));
        m_first =
            QStringLiteral("line %1: %2").arg(location.line()).arg(QString(description).remove(markup).simplified());
    }

private:
    QString m_first;
};

// Reads a whole file of at most the size limit; false when it cannot.
bool readSmallFile(QFile &file, QByteArray &bytes)
{
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    if (file.size() > DOMXMLParser::MaxFileSize) {
        qWarning() << "DOMXMLParser::loadFile"
                   << " File too large: " << file.fileName() << file.size() << "bytes";
        file.close();
        return false;
    }
    bytes = file.read(DOMXMLParser::MaxFileSize);
    file.close();
    return true;
}

} // namespace

DOMXMLParser::DOMXMLParser(QObject *parent)
    : QObject(parent)
{
}

DOMXMLParser::DOMXMLParser(const QString &fileName, QObject *parent)
    : QObject(parent)
    , m_file(fileName)
{
}

DOMXMLParser::~DOMXMLParser()
{
    m_document.clear();
    if (m_file.isOpen())
        m_file.close();
}

bool DOMXMLParser::loadFile(const QString &xmlFile, const QString &schemaFile)
{
    m_file.setFileName(xmlFile);
    QByteArray xml;
    const bool readable = readSmallFile(m_file, xml);

    if (!readable || !validate(xml, schemaFile)) {
        std::printf("Error in xml file: %s, but continuing.\n", "schemafile");
        std::fflush(stdout);
    }

    m_document.clear();
    if (readable && !m_document.setContent(xml, true))
        m_document.clear();
    return true;
}

bool DOMXMLParser::validate(const QByteArray &xml, const QString &schemaFile) const
{
    QFile file(schemaFile);
    QByteArray schemaBytes;
    if (!readSmallFile(file, schemaBytes)) {
        qWarning() << "DOMXMLParser::loadFile"
                   << " Cannot read the schema " << schemaFile;
        return false;
    }

    ValidationMessages messages;
    QXmlSchema schema;
    schema.setMessageHandler(&messages);
    schema.load(schemaBytes, QUrl::fromLocalFile(schemaFile));
    if (!schema.isValid()) {
        qWarning() << "DOMXMLParser::loadFile"
                   << " Invalid schema " << schemaFile << ": " << messages.first();
        return false;
    }

    QXmlSchemaValidator validator(schema);
    validator.setMessageHandler(&messages);
    if (!validator.validate(xml, QUrl::fromLocalFile(m_file.fileName()))) {
        qWarning() << "DOMXMLParser::loadFile" << m_file.fileName() << " does not match " << schemaFile << ": "
                   << messages.first();
        return false;
    }
    return true;
}

void DOMXMLParser::readElementMap(const QString &tagName, QMap<QString, QString> &values) const
{
    const QDomNodeList elements = m_document.elementsByTagName(tagName);
    for (int i = 0; i < elements.size(); ++i) {
        for (QDomNode node = elements.at(i); !node.isNull(); node = node.nextSibling()) {
            if (!node.isElement() || !node.hasChildNodes())
                continue;
            for (QDomElement child = node.firstChildElement(); !child.isNull(); child = child.nextSiblingElement()) {
                values.insert(child.tagName(), child.text());
            }
        }
    }
}

void DOMXMLParser::buildDocument(const QMap<QString, QString> &values, const QString &rootName)
{
    m_document = QDomDocument();
    QDomElement root = m_document.createElement(rootName);
    m_document.appendChild(root);
    for (auto entry = values.cbegin(); entry != values.cend(); ++entry) {
        QDomElement child = m_document.createElement(entry.key());
        child.appendChild(m_document.createTextNode(entry.value()));
        root.appendChild(child);
    }
}

bool DOMXMLParser::save()
{
    QSaveFile file(m_file.fileName());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) {
        qWarning() << "DOMXMLParser::save"
                   << " Cannot write " << m_file.fileName() << ": " << file.errorString();
        return false;
    }
    file.write(m_document.toByteArray(1));
    if (!file.commit()) {
        qWarning() << "DOMXMLParser::save"
                   << " Cannot write " << m_file.fileName() << ": " << file.errorString();
        return false;
    }
    return true;
}
