#include "screens/status/AUK_30078.h"

#include <QCoreApplication>

AUK_30078::AUK_30078(int accessLevel, int userLevel, QWidget *parent)
    : EventsSummaryByFunction(accessLevel, userLevel, 16, 12,
                              QCoreApplication::translate("AUK_30078", "_PROTECTION_INFO"), parent)
{
    setObjectName(QStringLiteral("AUK_30078"));
}

AUK_30078::AUK_30078(int accessLevel, int userLevel, int functionMask, int headerId, const QString &counterTitle,
                     QWidget *parent)
    : EventsSummaryByFunction(accessLevel, userLevel, functionMask, headerId, counterTitle, parent)
{
    setObjectName(QStringLiteral("AUK_30078"));
}
