#include "frontpanel/DB_RFIDinterface.h"

#include "core/TESKEnumHolder.h"
#include "core/TeskGlobalConfig.h"
#include "frontpanel/PanelEnvironment.h"
#include "link/SyncClient.h"
#include "pointmodels/model.h"

#include <QDBusConnection>

namespace {

constexpr int userTextLength = 2;
// The restriction bit that turns card log-on off.
constexpr int rfidLogOnRestricted = 0x8000;
// The log-on result for a card without a valid user: a failed log-on.
constexpr int invalidCardResult = 0;

// The pages on which a card logs on.
const char *const logOnPages[] = {"AUK_30086", "AUK_30002", "AUK_30085", "AUK_40001"};

// Two decimal digits from 01 to 99; 0 otherwise.
int userNumber(const QString &user)
{
    if (user.size() != userTextLength || !user.at(0).isDigit() || !user.at(1).isDigit())
        return 0;
    return user.toInt();
}

} // namespace

DB_RFIDinterface::DB_RFIDinterface()
    : QDBusAbstractInterface(QStringLiteral("svc.rfid"), QStringLiteral("/"), "vemo.rfid",
                             QDBusConnection::sessionBus(), nullptr)
{
    connect(this, &DB_RFIDinterface::login, SyncClient::instance(), &SyncClient::login);
}

bool DB_RFIDinterface::mayLogOn() const
{
    if (!m_environment || m_environment->accessLevel() >= TESKEnumHolder::EN54_LOGGED_IN)
        return false;
    const QString top = m_environment->topPageName();
    for (const char *page : logOnPages) {
        if (top == QLatin1String(page))
            return true;
    }
    return false;
}

void DB_RFIDinterface::RFIDReceiveBlockData(QString data)
{
    const QString user = data.left(userTextLength);
    const QString passcode = data.mid(userTextLength);
    if (!model::instance()->isLocalControlAllowed()
        || TeskGlobalConfig::instance()->isRestrictedExt(rfidLogOnRestricted))
        return;
    if (userNumber(user) < 1) {
        if (m_environment)
            m_environment->showLogonResult(invalidCardResult);
        return;
    }
    m_cardLoggedOn = false;
    if (mayLogOn()) {
        emit beep();
        if (model::instance()->isKeyswitchAccessEnabled()
            && m_environment->accessLevel() < TESKEnumHolder::EN54_KEY_IN) {
            m_environment->showLogonHelp();
        } else {
            m_cardLoggedOn = true;
            emit sendLoginRequest();
            emit login(user, passcode);
        }
    }
    emit loginAttemptedFromPopup(user, passcode);
}

void DB_RFIDinterface::writeCredentials(QString user, QString passcode, int value)
{
    asyncCall(QStringLiteral("sendCredentialsToWrite"), user + passcode, QString::number(value));
}

void DB_RFIDinterface::cancelWrite()
{
    asyncCall(QStringLiteral("cancelWrite"));
}
