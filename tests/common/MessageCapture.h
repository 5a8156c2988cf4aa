#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

// Records every debug, warning and critical message for as long as it lives,
// so a test can assert what a component wrote to the log - and what it never
// wrote. Messages still reach the previous handler.
class MessageCapture final
{
public:
    MessageCapture();
    ~MessageCapture();
    MessageCapture(const MessageCapture &) = delete;
    MessageCapture &operator=(const MessageCapture &) = delete;

    QStringList messages() const;
    QStringList warnings() const;
    bool contains(const QString &text) const;
    void clear();

private:
    static void handler(QtMsgType type, const QMessageLogContext &context, const QString &message);

    struct Entry
    {
        QtMsgType type;
        QString text;
    };
    QList<Entry> m_entries;
    QtMessageHandler m_previous = nullptr;
};
