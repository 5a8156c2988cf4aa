#pragma once

#include "screens/popups/AUK_40040.h"

// A service or key confirmation, by kind: 0 engine update, 1 engine update
// warning, 2 panel update warning, 3 loop scan (Cancel only), 4 IR link,
// 5 dual loop shutdown, 6 single loop shutdown, 7 application update,
// 8 fire reset, 9 silence sounders, 10 serialisation. Kinds 4 and 5 name
// both loops, kind 6 the second. Any other kind shows only the warning.
class AUK_40030 final : public AUK_40040
{
    Q_OBJECT

public:
    AUK_40030(int kind, bool connectOwnKeys, quint8 firstLoop, quint8 secondLoop, QWidget *parent);

    int kind() const { return m_kind; }

private:
    int m_kind;
};
