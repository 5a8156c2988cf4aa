#include "screens/popups/AUK_40032.h"

#include "app/PageStack.h"
#include "screens/popups/PopupKeypad.h"
#include "widgets/FontRepository.h"
#include "widgets/KeypadButton.h"

#include <QLabel>

namespace {

constexpr int OkPopupKeyId = 10;
constexpr int CancelPopupKeyId = 3;
constexpr int VisibleDigitsWhenShort = 3;

} // namespace

AUK_40032::AUK_40032(int titleId, QWidget *parent)
    : AUK_20001(titleId, parent)
    , m_boxPixmap(QStringLiteral("../resources/Buttons/AUK_80033_login_number_box.png"))
    , m_boxSelectedPixmap(QStringLiteral("../resources/Buttons/AUK_80035_login_number_box_selected.png"))
{
    setObjectName(QStringLiteral("AUK_40032"));
    popupImageLabel(this, QStringLiteral("lrgBox"), QRect(49, 62, 326, 256),
                    "../resources/Frames/AUK_80050_popup_lrg_inner_frm.png");
    // The digit boxes stand on the entry frame, not under it.
    popupImageLabel(this, QStringLiteral("index_frame"), QRect(73, 141, 296, 86),
                    "../resources/Frames/AUK_80049_popup_lrg_id_frm.png");
    for (int place = 0; place < Places; ++place)
        m_boxes[place] =
            popupImageLabel(this, QStringLiteral("index_bg_%1").arg(place + 1), QRect(82 + 47 * place, 175, 42, 42),
                            "../resources/Buttons/AUK_80033_login_number_box.png");
    auto *indexLabel = new QLabel(tr("_INDEX_SELECTITEM"), this);
    indexLabel->setObjectName(QStringLiteral("index_label"));
    indexLabel->setGeometry(82, 148, 270, 25);
    indexLabel->setFont(FontRepository::instance()->bold15());

    const PopupKeypad keypad = PopupKeypad::build(this);
    for (KeypadButton *key : keypad.digits)
        connect(key, &BaseButton::clicked, this, &AUK_40032::keypadClicked);
    m_delKey = keypad.deleteKey;
    connect(m_delKey, &BaseButton::clicked, this, &AUK_40032::delkeyClicked);

    for (int place = 0; place < Places; ++place) {
        m_digits[place] = new QLabel(this);
        m_digits[place]->setObjectName(QStringLiteral("index_value_%1").arg(place + 1));
        m_digits[place]->setGeometry(82 + 47 * place, 175, 43, 42);
        m_digits[place]->setAlignment(Qt::AlignCenter);
        m_digits[place]->setFont(FontRepository::instance()->bold15());
    }

    setLeftButtonTextById(OkPopupKeyId);
    setRightButtonTextById(CancelPopupKeyId);
    connect(this, &BasePopup::leftButtonClicked, this, &AUK_40032::okClicked);
}

void AUK_40032::hideLastTwoDigits()
{
    for (int place = VisibleDigitsWhenShort; place < Places; ++place) {
        m_boxes[place]->hide();
        m_digits[place]->hide();
    }
    m_maxDigits = VisibleDigitsWhenShort;
}

void AUK_40032::keypadClicked(const QString &digit)
{
    m_delKey->setLight(false);
    m_delKey->update();
    if (m_index >= m_maxDigits)
        return;
    m_digits[m_index]->setText(digit);
    m_boxes[m_index]->setPixmap(m_boxPixmap);
    ++m_index;
    if (m_index < Places)
        m_boxes[m_index]->setPixmap(m_boxSelectedPixmap);
}

void AUK_40032::delkeyClicked()
{
    if (m_index < Places)
        m_boxes[m_index]->setPixmap(m_boxPixmap);
    if (m_index > 0)
        --m_index;
    if (m_index == 0) {
        m_delKey->setLight(true);
        m_delKey->update();
    }
    m_digits[m_index]->setText(QStringLiteral(" "));
    m_boxes[m_index]->setPixmap(m_boxSelectedPixmap);
}

void AUK_40032::okClicked()
{
    QString typed;
    for (const QLabel *place : m_digits)
        typed += place->text();
    if (typed.isEmpty())
        return;
    bool ok = false;
    const quint32 value = typed.trimmed().toUInt(&ok);
    emit valueEntered(ok ? value : 0);
    PageStack::instance()->remove(this);
}
