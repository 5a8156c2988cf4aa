#include "screens/popups/AUK_40028.h"

#include "frontpanel/DB_RFIDinterface.h"
#include "frontpanel/DB_TESK_FP_Interface.h"
#include "frontpanel/InputSignaller.h"
#include "pointmodels/model.h"

namespace {

enum Result { InvalidUser = 2, AlreadyLoggedOn = 3 };

enum BottomId { InvalidUserId = 33, LoginFailedId = 37, AlreadyLoggedOnId = 114 };

int bottomIdFor(int result)
{
    switch (result) {
    case InvalidUser:
        return InvalidUserId;
    case AlreadyLoggedOn:
        return AlreadyLoggedOnId;
    default:
        return LoginFailedId;
    }
}

} // namespace

AUK_40028::AUK_40028(bool connectOwnKeys, int result, QWidget *parent)
    : AUK_40040(parent, connectOwnKeys, false)
{
    setObjectName(QStringLiteral("AUK_40028"));
    setTitle(tr("_LOGIN_POPUPTITLE"));
    setBottomMessage(bottomIdFor(result));
    showCloseButtonOnly();
    if (model::instance()->isMasterPanel())
        setShowMainScreenOnCancel(true);
}

// Disconnect first: whether or not a card write took the help key away,
// exactly one connection remains.
AUK_40028::~AUK_40028()
{
    DB_TESK_FP_Interface *frontPanel = DB_TESK_FP_Interface::instance();
    InputSignaller *input = InputSignaller::instance();
    QObject::disconnect(frontPanel, &DB_TESK_FP_Interface::helpPressed, input, &InputSignaller::helpPressed);
    QObject::connect(frontPanel, &DB_TESK_FP_Interface::helpPressed, input, &InputSignaller::helpPressed);
    DB_RFIDinterface::instance()->cancelWrite();
}
