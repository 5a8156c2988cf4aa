#pragma once

#include <QObject>

// The GUI-side model of the panel network. So far: the header layout of the
// packets the engine builds.
class model final : public QObject
{
    Q_OBJECT

public:
    static model *instance();

    // 1 once the controller's engine configuration reported version 600 or
    // more, else 0; read from the global configuration at each call.
    int packetHeaderLayout() const;

private:
    model() = default;
};
