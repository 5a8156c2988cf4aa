#pragma once

#include "core/SC_Singleton.h"

#include <QDBusAbstractInterface>
#include <QString>

class PanelEnvironment;

// The card reader "svc.rfid". A card carries a user number (two decimal
// digits, 01 to 99) and the pass code; held to the reader on a screen where
// a log-on makes sense, it logs its user on. The pass code goes only to the
// controller and the log-on popup: never to a log line.
class DB_RFIDinterface final
    : public QDBusAbstractInterface
    , public SC_Singleton<DB_RFIDinterface>
{
    Q_OBJECT

public:
    // Not owned; without one no card logs on.
    void setEnvironment(PanelEnvironment *environment) { m_environment = environment; }
    // Whether the reader itself sent the log-on of the card read last: a
    // log-on popup on top then has nothing more to send for it.
    bool cardLoggedOn() const { return m_cardLoggedOn; }

signals:
    // These two carry the names of the reader's own bus signals.
    void RFIDSendBlockData(QString data);
    void writeCredentialsResult(int result);

    void login(QString user, QString passcode);
    void beep();
    void loginAttemptedFromPopup(QString user, QString passcode);
    void sendLoginRequest();

public slots:
    void RFIDReceiveBlockData(QString data);
    // Writes a user's credentials onto the next card; the result arrives as
    // writeCredentialsResult.
    void writeCredentials(QString user, QString passcode, int value);
    void cancelWrite();

private:
    friend class SC_Singleton<DB_RFIDinterface>;

    DB_RFIDinterface();

    bool mayLogOn() const;

    PanelEnvironment *m_environment = nullptr;
    bool m_cardLoggedOn = false;
};
