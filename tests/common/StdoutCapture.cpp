#include "StdoutCapture.h"

#include <cstdio>
#include <unistd.h>

StdoutCapture::StdoutCapture()
{
    if (!m_file.open())
        return;
    std::fflush(stdout);
    m_savedStdout = ::dup(STDOUT_FILENO);
    ::dup2(m_file.handle(), STDOUT_FILENO);
}

StdoutCapture::~StdoutCapture()
{
    if (m_savedStdout < 0)
        return;
    std::fflush(stdout);
    ::dup2(m_savedStdout, STDOUT_FILENO);
    ::close(m_savedStdout);
}

QString StdoutCapture::text()
{
    std::fflush(stdout);
    QFile file(m_file.fileName());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}
