#include "widgets/BasePopup.h"

#include "core/SC_Timer.h"

BasePopup::BasePopup(QWidget *parent)
    : Page(parent)
{
}

BasePopup::~BasePopup()
{
    if (m_autoPressTimer)
        m_autoPressTimer->stop();
    delete m_autoPressTimer;
}

bool BasePopup::isPopup() const
{
    return true;
}

void BasePopup::startAutoPress(int milliseconds)
{
    if (!m_autoPressTimer) {
        m_autoPressTimer = SC_Timer::create(this);
        m_autoPressTimer->setSingleShot(true);
        connect(m_autoPressTimer, &SC_Timer::timeout, this, &BasePopup::leftButtonClicked);
    }
    m_autoPressTimer->start(milliseconds);
}
