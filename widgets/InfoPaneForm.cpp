#include "widgets/InfoPaneForm.h"

#include "widgets/BaseButton.h"
#include "widgets/FontRepository.h"
#include "widgets/PaletteRepository.h"

#include <QPixmap>

namespace {

struct PaneLook
{
    BaseButton::ButtonType type;
    int labelHeight;
    int valueHeight;
    const char *valueBox;
    int buttonHeight;
};

const PaneLook kTall = {BaseButton::EN54_LARGE, 105, 104, "../resources/Buttons/AUK_80005_EN54_bttn_lrg_infopane.png",
                        120};
const PaneLook kShort = {BaseButton::EN54_SMALL, 66, 54, "../resources/Buttons/AUK_80008_EN54_bttn_smll_infopane.png",
                         80};

} // namespace

InfoPaneForm::InfoPaneForm(BaseButton *button, const char *objectName)
    : buttonLabel(new QLabel(button))
    , buttonValueBg(new QLabel(button))
    , buttonValue(new QLabel(button))
    , m_button(button)
{
    if (button->objectName().isEmpty())
        button->setObjectName(QLatin1String(objectName));
    buttonLabel->setObjectName(QStringLiteral("buttonLabel"));
    buttonLabel->setGeometry(10, 7, 80, 105);
    buttonLabel->setText(QStringLiteral("Button Text"));
    buttonLabel->setAlignment(Qt::AlignCenter);
    buttonLabel->setWordWrap(true);
    buttonValueBg->setObjectName(QStringLiteral("buttonValueBg"));
    buttonValueBg->setGeometry(93, 13, 285, 94);
    buttonValueBg->setFixedSize(285, 94);
    buttonValueBg->setPixmap(QPixmap(QLatin1String(kTall.valueBox)));
    buttonValue->setObjectName(QStringLiteral("buttonValue"));
    buttonValue->setGeometry(93, 13, 285, 94);
    buttonValue->setFixedSize(285, 94);
    buttonValue->setAlignment(Qt::AlignCenter);

    const PaletteRepository *palettes = PaletteRepository::instance();
    const FontRepository *fonts = FontRepository::instance();
    button->setPalette(palettes->redPalette());
    buttonValue->setPalette(palettes->redPalette());
    buttonValue->setFont(fonts->bold22());
    buttonLabel->setPalette(palettes->whiteTextPalette());
    buttonLabel->setFont(fonts->normal22b());
}

void InfoPaneForm::applyTall(bool tall)
{
    const PaneLook &look = tall ? kTall : kShort;
    // A new skin moves the button to its parent's corner; it keeps its place.
    const QPoint place = m_button->pos();
    m_button->setMinimumHeight(look.buttonHeight);
    m_button->setButtonType(look.type);
    buttonLabel->setFixedHeight(look.labelHeight);
    buttonValueBg->setFixedHeight(look.valueHeight);
    buttonValue->setFixedHeight(look.valueHeight);
    buttonValueBg->setPixmap(QPixmap(QLatin1String(look.valueBox)));
    m_button->setGeometry(place.x(), place.y(), m_button->width(), look.buttonHeight);
}
