#pragma once

#include "screens/popups/AUK_40040.h"

// The outcome of a print request, closed by its one key: result 0 printed,
// 1 printer offline, 2 rejected, 3 nothing to print; any other result shows
// the title alone.
class AUK_40056 final : public AUK_40040
{
    Q_OBJECT

public:
    AUK_40056(int result, QWidget *parent);

    int result() const { return m_result; }

private:
    int m_result;
};
