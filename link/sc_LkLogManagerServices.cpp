#include "link/sc_LkLogManagerServices.h"

sc_LkLogManagerServices::sc_LkLogManagerServices(QObject *parent)
    : QObject(parent)
{
}
