#include "screens/status/AUK_30074.h"

#include <QCoreApplication>

AUK_30074::AUK_30074(int accessLevel, int userLevel, QWidget *parent)
    : EventsSummaryGeneralPanel(accessLevel, userLevel, 10, QCoreApplication::translate("AUK_30074", "_GENERAL_INFO"),
                                TC::cAllPanels, parent)
{
    setObjectName(QStringLiteral("AUK_30074"));
}
