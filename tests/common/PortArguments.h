#pragma once

#include <QByteArray>

#include <vector>

// A test's command line with "--port=<port>" added, for the application
// object of a test that runs the engine's link in its own process.
class PortArguments final
{
public:
    PortArguments(int argc, char **argv, quint16 port)
        : m_port("--port=" + QByteArray::number(port))
        , m_values(argv, argv + argc)
    {
        m_values.push_back(m_port.data());
        m_count = int(m_values.size());
    }
    PortArguments(const PortArguments &) = delete;
    PortArguments &operator=(const PortArguments &) = delete;

    int &count() { return m_count; }
    char **values() { return m_values.data(); }

private:
    QByteArray m_port;
    std::vector<char *> m_values;
    int m_count = 0;
};
