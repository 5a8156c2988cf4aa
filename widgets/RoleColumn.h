#pragma once

#include <QString>

// One shown column of a row-style delegate: where it sits, which item-data
// role it paints and its translated title.
struct RoleColumn
{
    int column = 0;
    int role = 0;
    QString title;
};
