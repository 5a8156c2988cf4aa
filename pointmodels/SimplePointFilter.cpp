#include "pointmodels/SimplePointFilter.h"

SimplePointFilter::~SimplePointFilter() = default;
