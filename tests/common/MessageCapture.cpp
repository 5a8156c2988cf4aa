#include "MessageCapture.h"

namespace {
MessageCapture *g_active = nullptr;
}

MessageCapture::MessageCapture()
{
    g_active = this;
    m_previous = qInstallMessageHandler(&MessageCapture::handler);
}

MessageCapture::~MessageCapture()
{
    qInstallMessageHandler(m_previous);
    g_active = nullptr;
}

QStringList MessageCapture::messages() const
{
    QStringList texts;
    for (const Entry &entry : m_entries)
        texts << entry.text;
    return texts;
}

QStringList MessageCapture::warnings() const
{
    QStringList texts;
    for (const Entry &entry : m_entries) {
        if (entry.type == QtWarningMsg || entry.type == QtCriticalMsg)
            texts << entry.text;
    }
    return texts;
}

bool MessageCapture::contains(const QString &text) const
{
    for (const Entry &entry : m_entries) {
        if (entry.text.contains(text))
            return true;
    }
    return false;
}

void MessageCapture::clear()
{
    m_entries.clear();
}

void MessageCapture::handler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (!g_active)
        return;
    g_active->m_entries.append({type, message});
    if (g_active->m_previous)
        g_active->m_previous(type, context, message);
}
