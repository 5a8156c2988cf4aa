#include "screens/status/AUK_30076.h"

#include <QCoreApplication>

AUK_30076::AUK_30076(int accessLevel, int userLevel, QWidget *parent)
    : EventsSummaryByFunction(accessLevel, userLevel, 8, 14, QCoreApplication::translate("AUK_30076", "_SOUNDERS_INFO"),
                              parent)
{
    setObjectName(QStringLiteral("AUK_30076"));
}
