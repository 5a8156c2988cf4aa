#include "widgets/AUK_90056.h"

AUK_90056::AUK_90056(QObject *parent, bool hideInformation, bool rbusMode)
    : TitledRowCardDelegate({56, 58, 62, 59, 60, 63, 73, 64}, hideInformation || rbusMode, parent)
{
}
