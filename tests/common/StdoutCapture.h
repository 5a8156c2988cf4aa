#pragma once

#include <QString>
#include <QTemporaryFile>

// Sends what the process writes to its standard output into a file for as
// long as it lives, so a test can assert what a component printed.
class StdoutCapture final
{
public:
    StdoutCapture();
    ~StdoutCapture();
    StdoutCapture(const StdoutCapture &) = delete;
    StdoutCapture &operator=(const StdoutCapture &) = delete;

    // Everything printed so far.
    QString text();

private:
    QTemporaryFile m_file;
    int m_savedStdout = -1;
};
