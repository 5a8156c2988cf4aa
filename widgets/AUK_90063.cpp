#include "widgets/AUK_90063.h"

AUK_90063::AUK_90063(QObject *parent)
    : TitledRowCardDelegate({56, 58, 62, 60, 59, 81, 182, 183, 184}, false, parent)
{
}
