#pragma once

#include "paneldata/SimplePointFilter.h"

#include <QSharedPointer>

class CountModel;

// A list and the chain that chooses its points; the model is the caller's.
struct ModelFilterPair
{
    CountModel *model = nullptr;
    QSharedPointer<SimplePointFilter> filter;
};
