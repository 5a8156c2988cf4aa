#include "screens/popups/AUK_40056.h"

#include <iterator>

namespace {

// The message ids of the outcomes, in result order.
const int ResultIds[] = {59, 61, 60, 58};

} // namespace

AUK_40056::AUK_40056(int result, QWidget *parent)
    : AUK_40040(parent, true, false)
    , m_result(result)
{
    setObjectName(QStringLiteral("AUK_40056"));
    setTitle(tr("_PRINT_POPUPTITLE"));
    if (result >= 0 && result < int(std::size(ResultIds)))
        setBottomMessage(ResultIds[result]);
    showCloseButtonOnly();
}
