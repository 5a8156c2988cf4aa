#include "widgets/AUK_90007.h"

namespace {

const LabelButton::Look kLook = {"AUK_90007", BaseButton::SCROLL_BUTTON, 500, QSize(110, 64), true, QSize(),
                                 true,        QRect(7, 10, 91, 44),      true};

} // namespace

AUK_90007::AUK_90007(QWidget *parent)
    : LabelButton(parent, kLook)
{
}

QString AUK_90007::buttonText() const
{
    return QAbstractButton::text();
}

void AUK_90007::setButtonText(const QString &text)
{
    QAbstractButton::setText(text);
}

void AUK_90007::setIcon(const QPixmap &icon)
{
    label()->setPixmap(icon);
}
