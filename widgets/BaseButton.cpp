#include "widgets/BaseButton.h"

#include "core/SC_Timer.h"

#include <QDebug>
#include <QMouseEvent>
#include <QPainter>

namespace {

int checkedType(int type)
{
    if (ButtonSkinCache::isValidType(type))
        return type;
    qWarning() << "BaseButton::BaseButton: no such button type" << type << "- using NUMERIC_BUTTON_1";
    return BaseButton::NUMERIC_BUTTON_1;
}

} // namespace

BaseButton::BaseButton(QWidget *parent, int buttonType, int longPressDelay)
    : QAbstractButton(parent)
    , m_buttonType(checkedType(buttonType))
    , m_longPressDelay(longPressDelay)
    , m_longPressTimer(SC_Timer::create(this))
{
    m_longPressTimer->setSingleShot(true);
    m_longPressTimer->setObjectName(QStringLiteral("longPressTimer"));
    connect(m_longPressTimer, &SC_Timer::timeout, this, &BaseButton::mouseHeld);
    ButtonSkinCache::instance()->acquire(m_buttonType);
    applySkin();
}

BaseButton::~BaseButton()
{
    ButtonSkinCache::instance()->release(m_buttonType);
}

BaseButton::ButtonType BaseButton::buttonType() const
{
    return static_cast<ButtonType>(m_buttonType);
}

void BaseButton::setButtonType(ButtonType type)
{
    if (!ButtonSkinCache::isValidType(type)) {
        qWarning() << "BaseButton::setButtonType: no such button type" << int(type);
        return;
    }
    if (type != m_buttonType) {
        ButtonSkinCache::instance()->release(m_buttonType);
        m_buttonType = type;
        ButtonSkinCache::instance()->acquire(m_buttonType);
    }
    applySkin();
}

void BaseButton::applySkin()
{
    m_images = ButtonSkinCache::instance()->skin(m_buttonType);
    const QSize size = m_images[ButtonSkinCache::Down]->size();
    setMaximumSize(size);
    setGeometry(0, 0, size.width(), size.height());
}

QString BaseButton::value() const
{
    return m_value;
}

void BaseButton::setValue(const QString &value)
{
    m_value = value;
}

bool BaseButton::light() const
{
    return m_light;
}

void BaseButton::setLight(bool light)
{
    m_light = light;
}

int BaseButton::longPressDelay() const
{
    return m_longPressDelay;
}

void BaseButton::mousePressEvent(QMouseEvent *event)
{
    QAbstractButton::mousePressEvent(event);
    if (m_longPressDelay != 0)
        m_longPressTimer->start(m_longPressDelay);
}

void BaseButton::mouseHeld()
{
    // Only a finger still on the button makes a long press: a tap that was
    // already released, or a button disabled meanwhile, reports nothing.
    if (isEnabled() && isDown())
        emit longPress(m_value);
}

void BaseButton::mouseReleaseEvent(QMouseEvent *event)
{
    m_longPressTimer->stop();
    QAbstractButton::mouseReleaseEvent(event);
    if (isEnabled() && rect().contains(event->pos()))
        emit clicked(m_value);
}

void BaseButton::paintEvent(QPaintEvent *event)
{
    ButtonSkinCache::State state;
    if (!isEnabled())
        state = ButtonSkinCache::Disabled;
    else if (isDown() || isChecked())
        state = m_light ? ButtonSkinCache::LitDown : ButtonSkinCache::Down;
    else
        state = m_light ? ButtonSkinCache::Lit : ButtonSkinCache::Normal;

    const QPixmap &image = *m_images[state];
    if (!image.isNull()) {
        QPainter painter(this);
        painter.drawPixmap(0, 0, image);
    }
    event->accept();
}
