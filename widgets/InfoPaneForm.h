#pragma once

#include <QLabel>

class BaseButton;

// The labels of the red information buttons of the fire screen: a caption on
// the left and a large value in a value box on the right, tall or short.
class InfoPaneForm final
{
public:
    // Builds the labels as children of the button and gives them their
    // palettes and fonts.
    InfoPaneForm(BaseButton *button, const char *objectName);

    // Tall uses the large skin and value box, short the small ones.
    void applyTall(bool tall);

    QLabel *buttonLabel;
    QLabel *buttonValueBg;
    QLabel *buttonValue;

private:
    BaseButton *m_button;
};
