#include "widgets/AUK_90006.h"

#include "widgets/AUK_90005.h"
#include "widgets/AUK_90007.h"
#include "widgets/PaletteRepository.h"
#include "widgets/VerticalShadow.h"

#include <QTransform>

namespace {

QPixmap turnedOver(const QPixmap &image)
{
    return image.transformed(QTransform().rotate(180), Qt::FastTransformation);
}

} // namespace

AUK_90006::AUK_90006(QWidget *parent)
    : QWidget(parent)
{
    if (objectName().isEmpty())
        setObjectName(QStringLiteral("AUK_90006"));
    resize(640, 71);
    setFixedSize(640, 71);
    m_shadow = new QWidget(this);
    m_shadow->setObjectName(QStringLiteral("shadow"));
    m_shadow->setGeometry(0, 0, 640, 6);
    m_leftButton = textKey("leftButton", -5);
    m_middleButton = textKey("middleButton", 209);
    m_rightButton = textKey("rightButton", 423);
    m_scrollDownButton = scrollKey("scrollDownButton", 423);
    m_scrollDownButton->setMinimumSize(104, 66);
    m_scrollDownButton->setMaximumWidth(104);
    m_scrollUpButton = scrollKey("scrollUpButton", 536);
    m_scrollUpButton->setFixedSize(104, 66);

    setPalette(PaletteRepository::instance()->greyPalette());
    // Cast upwards onto the content above the keys.
    setVerticalShadow(m_shadow, Qt::transparent, PaletteRepository::midGrey());

    m_scrollUpButton->setEnabled(false);
    m_scrollDownButton->setEnabled(false);

    connect(m_leftButton, &BaseButton::clicked, this, &AUK_90006::leftButtonClicked);
    connect(m_middleButton, &BaseButton::clicked, this, &AUK_90006::middleButtonClicked);
    connect(m_rightButton, &BaseButton::clicked, this, &AUK_90006::rightButtonClicked);
    connect(m_scrollUpButton, &BaseButton::clicked, this, &AUK_90006::scrollUpButtonClicked);
    connect(m_scrollDownButton, &BaseButton::clicked, this, &AUK_90006::scrollDownButtonClicked);
    connect(m_scrollUpButton, &BaseButton::longPress, this, &AUK_90006::scrollUpButtonHeld);
    connect(m_scrollDownButton, &BaseButton::longPress, this, &AUK_90006::scrollDownButtonHeld);

    m_scrollUpButton->hide();
    m_scrollDownButton->hide();
    setScrollButtonsImage(QPixmap(QStringLiteral("../resources/icons/AUK_80254_scroll_arrow_icon.png")));
}

AUK_90005 *AUK_90006::textKey(const char *name, int x)
{
    auto *key = new AUK_90005(this);
    key->setObjectName(QLatin1String(name));
    key->setGeometry(x, 6, 218, 66);
    key->setMinimumSize(218, 66);
    key->setMaximumWidth(218);
    return key;
}

AUK_90007 *AUK_90006::scrollKey(const char *name, int x)
{
    auto *key = new AUK_90007(this);
    key->setObjectName(QLatin1String(name));
    key->setGeometry(x, 6, 104, 66);
    return key;
}

bool AUK_90006::leftButtonVisible() const
{
    return m_leftButton->isVisible();
}

void AUK_90006::setLeftButtonVisible(bool visible)
{
    m_leftButton->setVisible(visible);
}

QString AUK_90006::leftButtonText() const
{
    return m_leftButton->text();
}

void AUK_90006::setLeftButtonText(const QString &text)
{
    m_leftButton->setText(text);
}

bool AUK_90006::middleButtonVisible() const
{
    return m_middleButton->isVisible();
}

void AUK_90006::setMiddleButtonVisible(bool visible)
{
    m_middleButton->setVisible(visible);
}

QString AUK_90006::middleButtonText() const
{
    return m_middleButton->text();
}

void AUK_90006::setMiddleButtonText(const QString &text)
{
    m_middleButton->setText(text);
}

bool AUK_90006::rightButtonVisible() const
{
    return m_rightButton->isVisible();
}

void AUK_90006::setRightButtonVisible(bool visible)
{
    m_rightButton->setVisible(visible);
}

QString AUK_90006::rightButtonText() const
{
    return m_rightButton->text();
}

void AUK_90006::setRightButtonText(const QString &text)
{
    m_rightButton->setText(text);
}

bool AUK_90006::scrollButtonsVisible() const
{
    return m_scrollUpButton->isVisible() && m_scrollDownButton->isVisible();
}

void AUK_90006::setScrollButtonsVisible(bool visible)
{
    m_scrollUpButton->setVisible(visible);
    m_scrollDownButton->setVisible(visible);
}

QPixmap AUK_90006::scrollButtonsImage() const
{
    return m_scrollUpButton->label()->pixmap(Qt::ReturnByValue);
}

void AUK_90006::setScrollButtonsImage(const QPixmap &image)
{
    m_scrollUpButton->setIcon(image);
    m_scrollDownButton->setIcon(turnedOver(image));
}

bool AUK_90006::leftButtonEnabled() const
{
    return m_leftButton->isEnabled();
}

void AUK_90006::setLeftButtonEnabled(bool enabled)
{
    m_leftButton->setEnabled(enabled);
}

bool AUK_90006::middleButtonEnabled() const
{
    return m_middleButton->isEnabled();
}

void AUK_90006::setMiddleButtonEnabled(bool enabled)
{
    m_middleButton->setEnabled(enabled);
}

bool AUK_90006::rightButtonEnabled() const
{
    return m_rightButton->isEnabled();
}

void AUK_90006::setRightButtonEnabled(bool enabled)
{
    m_rightButton->setEnabled(enabled);
}

bool AUK_90006::upScrollButtonEnabled() const
{
    return m_scrollUpButton->isEnabled();
}

void AUK_90006::setUpScrollButtonEnabled(bool enabled)
{
    m_scrollUpButton->setEnabled(enabled);
}

bool AUK_90006::downScrollButtonEnabled() const
{
    return m_scrollDownButton->isEnabled();
}

void AUK_90006::setDownScrollButtonEnabled(bool enabled)
{
    m_scrollDownButton->setEnabled(enabled);
}

void AUK_90006::setLeftButtonTextById(int id)
{
    m_leftButton->setTextById(id);
}

void AUK_90006::setMiddleButtonTextById(int id)
{
    m_middleButton->setTextById(id);
}

void AUK_90006::setRightButtonTextById(int id)
{
    m_rightButton->setTextById(id);
}
