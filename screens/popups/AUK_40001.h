#pragma once

#include "widgets/AUK_20001.h"

#include <QPixmap>
#include <QString>

class KeypadButton;
class QLabel;

// The log-on keypad: a two-digit user id and a passcode of up to six digits.
// OK hands both to the panel link; the panel's answer reaches Security, not
// this popup. In card-writing mode the OK key writes them to a card instead.
// While the panel starts up it is the compulsory log-on: no Cancel, and the
// wait for the answer follows it.
class AUK_40001 final : public AUK_20001
{
    Q_OBJECT

public:
    AUK_40001(bool rfidWriteMode, bool noDirectLogin, QWidget *parent);
    ~AUK_40001() override;

    // Pushes a log-on popup whose Cancel goes back to the page beneath, the
    // way the home and fire screens open it.
    static AUK_40001 *pushLogOn();

signals:
    void login(QString user, QString passcode);
    void rfidCredentialsSent(QString user, QString passcode, int value);

public slots:
    void keypadClicked(const QString &digit);
    void delkeyClicked();
    void loginClicked();
    void writeRfid();
    void cancelPopup();
    void loginFromRfid(const QString &user, const QString &passcode);
    void retranslateUi();

private:
    static constexpr int Places = 8;
    static constexpr int UserIdPlaces = 2;

    QString userId() const;
    QString passcode() const;
    void updateLoginKey();
    void setDeleteLight(bool light);
    void close();

    QLabel *m_boxes[Places];
    QLabel *m_values[Places];
    QLabel *m_idLabel;
    QLabel *m_passwordLabel;
    KeypadButton *m_delKey;
    int m_cursor = 0;
    QString m_entry;
    QPixmap m_boxPixmap;
    QPixmap m_boxSelectedPixmap;
    QPixmap m_boxCirclePixmap;
    bool m_rfidWriteMode;
};
