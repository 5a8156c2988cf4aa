#include "screens/status/AUK_30077_F.h"

#include <QCoreApplication>

AUK_30077_F::AUK_30077_F(int accessLevel, int userLevel, QWidget *parent)
    : EventsSummaryByFunction(accessLevel, userLevel, 256, 13,
                              QCoreApplication::translate("AUK_30077_F", "_FAULT_SIGNALLING_INFO"), parent)
{
    setObjectName(QStringLiteral("AUK_30077_F"));
}
