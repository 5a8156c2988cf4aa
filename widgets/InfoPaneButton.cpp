#include "widgets/InfoPaneButton.h"

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

InfoPaneButton::InfoPaneButton(QWidget *parent, int buttonType, const char *objectName, const QSize &size)
    : BaseButton(parent, buttonType, 0)
    , m_buttonLabel(new QLabel(this))
    , m_buttonValueBg(new QLabel(this))
    , m_buttonValue(new QLabel(this))
{
    setObjectName(QLatin1String(objectName));
    setFixedSize(size);
    m_buttonLabel->setObjectName(QStringLiteral("buttonLabel"));
    m_buttonLabel->setGeometry(10, 7, 80, 105);
    m_buttonLabel->setText(QStringLiteral("Button Text"));
    m_buttonLabel->setAlignment(Qt::AlignCenter);
    m_buttonLabel->setWordWrap(true);
    m_buttonValueBg->setObjectName(QStringLiteral("buttonValueBg"));
    m_buttonValueBg->setGeometry(93, 13, 285, 94);
    m_buttonValueBg->setFixedSize(285, 94);
    m_buttonValueBg->setPixmap(QPixmap(QLatin1String(kTall.valueBox)));
    m_buttonValue->setObjectName(QStringLiteral("buttonValue"));
    m_buttonValue->setGeometry(93, 13, 285, 94);
    m_buttonValue->setFixedSize(285, 94);
    m_buttonValue->setAlignment(Qt::AlignCenter);

    const PaletteRepository *palettes = PaletteRepository::instance();
    const FontRepository *fonts = FontRepository::instance();
    setPalette(palettes->redPalette());
    m_buttonValue->setPalette(palettes->redPalette());
    m_buttonValue->setFont(fonts->bold22());
    m_buttonLabel->setPalette(palettes->whiteTextPalette());
    m_buttonLabel->setFont(fonts->normal22b());
}

QString InfoPaneButton::buttonLabel() const
{
    return m_buttonLabel->text();
}

void InfoPaneButton::setButtonLabel(const QString &text)
{
    m_buttonLabel->setText(text);
}

QString InfoPaneButton::buttonValue() const
{
    return m_buttonValue->text();
}

void InfoPaneButton::setButtonValue(const QString &text)
{
    m_buttonValue->setText(text);
}

void InfoPaneButton::applyTall(bool tall)
{
    const PaneLook &look = tall ? kTall : kShort;
    // A new skin moves the button to its parent's corner; it keeps its place.
    const QPoint place = pos();
    setMinimumHeight(look.buttonHeight);
    setButtonType(look.type);
    m_buttonLabel->setFixedHeight(look.labelHeight);
    m_buttonValueBg->setFixedHeight(look.valueHeight);
    m_buttonValue->setFixedHeight(look.valueHeight);
    m_buttonValueBg->setPixmap(QPixmap(QLatin1String(look.valueBox)));
    setGeometry(place.x(), place.y(), width(), look.buttonHeight);
}
