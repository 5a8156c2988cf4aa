#include "screens/status/AUK_30075.h"

#include <QCoreApplication>

AUK_30075::AUK_30075(int accessLevel, int userLevel, QWidget *parent)
    : EventsSummaryGeneralPanel(accessLevel, userLevel, 11, QCoreApplication::translate("AUK_10014", "_PANEL_INFO"),
                                TC::cAllPanels, parent)
{
    setObjectName(QStringLiteral("AUK_30075"));
}
