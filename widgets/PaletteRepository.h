#pragma once

#include "core/SC_Singleton.h"

#include <QColor>
#include <QPalette>

// The fixed palettes and named colours of the user interface.
class PaletteRepository final : public SC_Singleton<PaletteRepository>
{
public:
    PaletteRepository();

    QPalette whitePalette() const;
    QPalette greyPalette() const;
    QPalette bluePalette() const;
    QPalette yellowPalette() const;
    QPalette redPalette() const;
    QPalette whiteTextPalette() const;
    QPalette darkTextPalette() const;

    static QColor darkGrey();
    static QColor lightGrey();
    static QColor midGrey();
    static QColor shadowGrey();
    static QColor white();

private:
    enum Which { White, Grey, Blue, Yellow, Red, WhiteText, DarkText, PaletteCount };

    QPalette m_palettes[PaletteCount];
};
