#include "screens/popups/AUK_40042.h"

#include <QCoreApplication>

AUK_40042::AUK_40042(const QString &pointText, bool connectButtons, QWidget *parent)
    : AUK_40040(parent, connectButtons, false)
{
    setObjectName(QStringLiteral("AUK_40042"));
    setTitle(pointText);
    setBottomText(QCoreApplication::translate("AUK_40040", "_FIRE_TEST_POPUPTEXT3INFO").arg(pointText));
    showCloseButtonOnly();
}
