#pragma once

#include <QByteArray>
#include <QtGlobal>

// The points a command acts on, as the command packet carries them. A list
// writes itself one packet at a time: loadByteArray appends the block for
// the packet that starts at an entry index and returns the index the next
// packet starts at, or 0 when the list is done.
class SC_PointsAddress
{
public:
    enum Kind { Individual = 0, WildCard = 3 };

    virtual ~SC_PointsAddress();

    virtual int loadByteArray(QByteArray &target, int start) const = 0;
    // The most bytes loadByteArray can append from the index.
    virtual int byteLength(int start) const = 0;
    virtual int count() const = 0;

    int kind() const { return m_kind; }
    quint8 panel() const { return m_panel; }
    void setPanel(quint8 panel) { m_panel = panel; }

protected:
    explicit SC_PointsAddress(Kind kind);
    SC_PointsAddress(const SC_PointsAddress &) = default;
    SC_PointsAddress &operator=(const SC_PointsAddress &) = default;

private:
    int m_kind;
    quint8 m_panel = 0;
};
