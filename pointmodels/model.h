#pragma once

#include <QObject>

// The GUI-side model of the panel network. So far: the header layout of the
// packets the engine builds and what the configuration says of one point.
class model final : public QObject
{
    Q_OBJECT

public:
    static model *instance();

    // 1 once the controller's engine configuration reported version 600 or
    // more, else 0; read from the global configuration at each call.
    int packetHeaderLayout() const;

    // 251 while logical addressing is off or when no configured point
    // matches.
    quint8 logicalPointNumber(quint8 panel, quint8 kind, quint8 number, quint8 address, quint8 point) const;

private:
    model() = default;
};
