#include "widgets/PaletteRepository.h"

namespace {

// An invalid colour leaves the role as the default palette has it.
struct PaletteLook
{
    QColor window;
    QColor base;
    QColor windowText;
    QColor buttonText;
};

void setRole(QPalette &palette, QPalette::ColorRole role, const QColor &colour)
{
    if (colour.isValid())
        palette.setBrush(QPalette::All, role, QBrush(colour, Qt::SolidPattern));
}

} // namespace

PaletteRepository::PaletteRepository()
{
    const QColor none;
    const QColor white(255, 255, 255);
    const QColor dark(38, 38, 38);
    const PaletteLook looks[PaletteCount] = {
        {white, none, QColor(225, 225, 225), none},
        {QColor(225, 225, 225), none, dark, none},
        {QColor(44, 103, 174), QColor(44, 103, 174), white, none},
        {QColor(255, 175, 40), none, dark, none},
        {QColor(200, 0, 0), none, white, none},
        {none, none, white, white},
        {none, none, white, dark},
    };
    for (int i = 0; i < PaletteCount; ++i) {
        QPalette palette;
        setRole(palette, QPalette::Window, looks[i].window);
        setRole(palette, QPalette::Base, looks[i].base);
        setRole(palette, QPalette::WindowText, looks[i].windowText);
        setRole(palette, QPalette::ButtonText, looks[i].buttonText);
        m_palettes[i] = palette;
    }
}

QPalette PaletteRepository::whitePalette() const
{
    return m_palettes[White];
}
QPalette PaletteRepository::greyPalette() const
{
    return m_palettes[Grey];
}
QPalette PaletteRepository::bluePalette() const
{
    return m_palettes[Blue];
}
QPalette PaletteRepository::yellowPalette() const
{
    return m_palettes[Yellow];
}
QPalette PaletteRepository::redPalette() const
{
    return m_palettes[Red];
}
QPalette PaletteRepository::whiteTextPalette() const
{
    return m_palettes[WhiteText];
}
QPalette PaletteRepository::darkTextPalette() const
{
    return m_palettes[DarkText];
}

QColor PaletteRepository::darkGrey()
{
    return QColor(38, 38, 38);
}
QColor PaletteRepository::lightGrey()
{
    return QColor(225, 225, 225);
}
QColor PaletteRepository::midGrey()
{
    return QColor(125, 125, 125);
}
QColor PaletteRepository::shadowGrey()
{
    return QColor(38, 38, 38, 204);
}
QColor PaletteRepository::white()
{
    return QColor(255, 255, 255);
}
