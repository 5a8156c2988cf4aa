#include "screens/popups/AUK_40001.h"

#include "app/PageStack.h"
#include "app/Translator.h"
#include "frontpanel/DB_RFIDinterface.h"
#include "link/SyncClient.h"
#include "pointmodels/model.h"
#include "screens/popups/AUK_40026.h"
#include "screens/popups/PopupKeypad.h"
#include "widgets/FontRepository.h"
#include "widgets/KeypadButton.h"
#include "widgets/Page.h"

#include <QLabel>

namespace {

constexpr int LoginTitleId = 1;
constexpr int StartupLoginTitleId = 2;
constexpr int WriteRfidTitleId = 6;
constexpr int OkPopupKeyId = 10;
constexpr int CancelPopupKeyId = 3;
constexpr int WritePopupKeyId = 12;
constexpr int StartupLogOnWaitKind = 3;
// What the card reader service expects with a user's credentials.
constexpr int CredentialsValue = 5;

constexpr char BoxImage[] = "../resources/Buttons/AUK_80033_login_number_box.png";
constexpr char EntryFrameImage[] = "../resources/Frames/AUK_80049_popup_lrg_id_frm.png";

int boxX(int place)
{
    return 75 + 47 * place;
}

bool isMasterPanel()
{
    return model::instance()->isMasterPanel();
}

QLabel *textLabel(QWidget *parent, const char *name, const QRect &geometry)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    label->setFont(FontRepository::instance()->bold15());
    const Qt::Alignment side = Page::isRightToLeft() ? Qt::AlignRight : Qt::AlignLeft;
    label->setAlignment(side | Qt::AlignVCenter);
    return label;
}

} // namespace

AUK_40001::AUK_40001(bool rfidWriteMode, bool noDirectLogin, QWidget *parent)
    : AUK_20001(LoginTitleId, parent)
    , m_entry(Places, QLatin1Char(' '))
    , m_boxPixmap(QLatin1String(BoxImage))
    , m_boxSelectedPixmap(QStringLiteral("../resources/Buttons/AUK_80035_login_number_box_selected.png"))
    , m_boxCirclePixmap(QStringLiteral("../resources/Buttons/AUK_80034_login_number_box_circle.png"))
    , m_rfidWriteMode(rfidWriteMode)
{
    setObjectName(QStringLiteral("AUK_40001"));
    resize(640, 414);
    setMinimumSize(640, 414);
    setPopupIcon(QPixmap(QStringLiteral("../resources/icons/AUK_80068_login_smll_popup.png")));
    // The boxes stand on the entry frames, and the frames on the inner frame.
    popupImageLabel(this, QStringLiteral("lrgBox"), QRect(49, 62, 326, 256),
                    "../resources/Frames/AUK_80050_popup_lrg_inner_frm.png");
    popupImageLabel(this, QStringLiteral("id_frame"), QRect(66, 92, 296, 86), EntryFrameImage);
    popupImageLabel(this, QStringLiteral("password_frame"), QRect(66, 200, 296, 86), EntryFrameImage);
    for (int place = 0; place < Places; ++place) {
        const bool isId = place < UserIdPlaces;
        const QString name = isId ? QStringLiteral("id_bg_%1").arg(place + 1)
                                  : QStringLiteral("password_bg_%1").arg(place - UserIdPlaces + 1);
        const int x = boxX(isId ? place : place - UserIdPlaces);
        m_boxes[place] = popupImageLabel(this, name, QRect(x, isId ? 128 : 234, 42, 42), BoxImage);
    }
    m_idLabel = textLabel(this, "id_label", QRect(75, 99, 270, 27));
    m_passwordLabel = textLabel(this, "password_label", QRect(75, 207, 270, 25));

    const PopupKeypad keypad = PopupKeypad::build(this);
    for (KeypadButton *key : keypad.digits)
        connect(key, &BaseButton::clicked, this, &AUK_40001::keypadClicked);
    m_delKey = keypad.deleteKey;
    connect(m_delKey, &BaseButton::clicked, this, &AUK_40001::delkeyClicked);

    for (int place = 0; place < Places; ++place) {
        const bool isId = place < UserIdPlaces;
        m_values[place] = new QLabel(this);
        m_values[place]->setObjectName(isId ? QStringLiteral("id_value_%1").arg(place + 1)
                                            : QStringLiteral("password_value_%1").arg(place - UserIdPlaces + 1));
        m_values[place]->setGeometry(boxX(isId ? place : place - UserIdPlaces), isId ? 128 : 234, 43, 42);
        m_values[place]->setAlignment(Qt::AlignCenter);
        if (isId)
            m_values[place]->setFont(FontRepository::instance()->bold15());
    }

    retranslateUi();
    if (m_rfidWriteMode) {
        connect(this, &AUK_40001::rfidCredentialsSent, DB_RFIDinterface::instance(),
                &DB_RFIDinterface::writeCredentials);
        connect(this, &BasePopup::leftButtonClicked, this, &AUK_40001::writeRfid);
        connect(this, &BasePopup::rightButtonClicked, this, &AUK_40001::cancelPopup);
    } else {
        connect(this, &BasePopup::leftButtonClicked, this, &AUK_40001::loginClicked);
        connect(DB_RFIDinterface::instance(), &DB_RFIDinterface::loginAttemptedFromPopup, this,
                &AUK_40001::loginFromRfid);
    }
    if (isMasterPanel())
        setRightButtonVisible(false);
    if (!noDirectLogin)
        connect(this, &AUK_40001::login, SyncClient::instance(), &SyncClient::login);
    connect(Translator::instance(), &Translator::languageChanged, this, &AUK_40001::retranslateUi);
    updateLoginKey();
}

// The passcode must not outlive the popup in memory it no longer owns.
AUK_40001::~AUK_40001()
{
    m_entry.fill(QLatin1Char(' '));
}

AUK_40001 *AUK_40001::pushLogOn()
{
    auto *popup = new AUK_40001(false, false, nullptr);
    PageStack *stack = PageStack::instance();
    connect(popup, &BasePopup::rightButtonClicked, stack, qOverload<>(&PageStack::pop));
    stack->push(popup);
    return popup;
}

void AUK_40001::keypadClicked(const QString &digit)
{
    setDeleteLight(false);
    if (m_cursor >= Places || digit.size() != 1)
        return;
    if (m_cursor < UserIdPlaces)
        m_values[m_cursor]->setText(digit);
    else
        m_values[m_cursor]->setPixmap(m_boxCirclePixmap);
    m_entry[m_cursor] = digit.at(0);
    m_boxes[m_cursor]->setPixmap(m_boxPixmap);
    ++m_cursor;
    if (m_cursor < Places)
        m_boxes[m_cursor]->setPixmap(m_boxSelectedPixmap);
    updateLoginKey();
}

void AUK_40001::delkeyClicked()
{
    if (m_cursor < Places)
        m_boxes[m_cursor]->setPixmap(m_boxPixmap);
    if (m_cursor > 0)
        --m_cursor;
    if (m_cursor == 0)
        setDeleteLight(true);
    m_values[m_cursor]->setText(QStringLiteral(" "));
    m_entry[m_cursor] = QLatin1Char(' ');
    m_boxes[m_cursor]->setPixmap(m_boxSelectedPixmap);
    updateLoginKey();
}

void AUK_40001::loginClicked()
{
    emit login(userId(), passcode());
    close();
}

void AUK_40001::writeRfid()
{
    disconnect(this, &BasePopup::leftButtonClicked, this, &AUK_40001::writeRfid);
    emit rfidCredentialsSent(userId(), passcode(), CredentialsValue);
}

void AUK_40001::cancelPopup()
{
    PageStack::instance()->remove(this);
}

void AUK_40001::loginFromRfid(const QString &user, const QString &passcode)
{
    if (!PageStack::instance()->isTopPage(QStringLiteral("AUK_40001")))
        return;
    // The reader sends the log-on itself wherever a card may log on, this
    // popup on top included: a second request would log the user on twice.
    if (!DB_RFIDinterface::instance()->cardLoggedOn())
        emit login(user, passcode);
    close();
}

void AUK_40001::retranslateUi()
{
    m_idLabel->setText(tr("_USER_ID_SELECTITEM"));
    m_passwordLabel->setText(tr("_USER_PASSWORD_SELECTITEM"));
    setLeftButtonTextById(m_rfidWriteMode ? WritePopupKeyId : OkPopupKeyId);
    setRightButtonTextById(CancelPopupKeyId);
    if (isMasterPanel())
        setTitleById(StartupLoginTitleId);
    else
        setTitleById(m_rfidWriteMode ? WriteRfidTitleId : LoginTitleId);
}

// Blanks kept: the link reads exactly two characters.
QString AUK_40001::userId() const
{
    return m_entry.left(UserIdPlaces);
}

// A passcode shorter than six digits leaves blanks behind it.
QString AUK_40001::passcode() const
{
    return m_entry.mid(UserIdPlaces).trimmed();
}

void AUK_40001::updateLoginKey()
{
    bool isNumber = false;
    const uint user = userId().trimmed().toUInt(&isNumber);
    setLeftButtonVisible(isNumber && user >= 1 && user <= 99);
}

void AUK_40001::setDeleteLight(bool light)
{
    m_delKey->setLight(light);
    m_delKey->update();
}

// At start-up the wait for the panel's answer takes this popup's place: a
// popup pushed over a popup replaces it.
void AUK_40001::close()
{
    PageStack *stack = PageStack::instance();
    if (isMasterPanel())
        stack->push(new AUK_40026(StartupLogOnWaitKind, nullptr));
    else
        stack->remove(this);
}
