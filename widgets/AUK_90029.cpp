#include "widgets/AUK_90029.h"

#include "widgets/FontRepository.h"

#include <QLabel>

AUK_90029::AUK_90029(QWidget *parent)
    : AUK_90011(parent)
{
    m_counter->setFont(FontRepository::instance()->normal22b());
    m_title->setFont(FontRepository::instance()->normal22b());
}

void AUK_90029::selectedItemChanged()
{
    AUK_90011::selectedItemChanged();
    m_title->setText(QString());
}
