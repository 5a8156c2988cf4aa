#include "screens/popups/AUK_40064.h"

#include <QCoreApplication>

AUK_40064::AUK_40064(QWidget *parent, bool connectButtons)
    : AUK_40040(parent, connectButtons, false)
{
    setObjectName(QStringLiteral("AUK_40064"));
    setTitle(QCoreApplication::translate("BasePopup", "_DISABLE_OFF_POPUPTITLE"));
    setMiddleText(QCoreApplication::translate("AUK_40040", "_WARNING_POPUPTEXT1BODY"));
    setBottomText(QCoreApplication::translate("AUK_40040", "_ENABLING_ACTIVE_DEVICES_WARNING_POPUPTEXT3INFO"));
}
