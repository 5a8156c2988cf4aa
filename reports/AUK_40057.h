#pragma once

#include "screens/popups/AUK_40040.h"

// Confirms the report destination just saved, closed by its one key, which
// the printer settings screen connects: the panel printer with the panel
// and printer names, or the file format of the USB directory.
class AUK_40057 final : public AUK_40040
{
    Q_OBJECT

public:
    AUK_40057(quint8 panel, quint8 printer, QWidget *parent);
    AUK_40057(int format, QWidget *parent);

private:
    void buildCommon();
};
