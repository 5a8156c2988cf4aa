#include "screens/status/AUK_30077.h"

#include <QCoreApplication>

AUK_30077::AUK_30077(int accessLevel, int userLevel, QWidget *parent)
    : EventsSummaryByFunction(accessLevel, userLevel, 128, 13,
                              QCoreApplication::translate("AUK_30077", "_ALARM_SIGNALLING_INFO"), parent)
{
    setObjectName(QStringLiteral("AUK_30077"));
}
