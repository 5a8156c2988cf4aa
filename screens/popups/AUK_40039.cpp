#include "screens/popups/AUK_40039.h"

AUK_40039::AUK_40039(bool connectOwnKeys, QWidget *parent)
    : AUK_40041(parent, connectOwnKeys, false)
{
    setObjectName(QStringLiteral("AUK_40039"));
    setWarningText();
    setTitle(tr("_RESOUND_SOUNDERS_POPUPTITLE"));
    setConfirmText();
    setConsequenceText();
}
