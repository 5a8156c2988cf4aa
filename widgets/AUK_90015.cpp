#include "widgets/AUK_90015.h"

#include <QBrush>
#include <QCoreApplication>
#include <QPixmap>

namespace {

const char kShiftIcon[] = "../resources/icons/AUK_80194_keypad_shift_icon.png";
const char kEnterIcon[] = "../resources/icons/AUK_80193_keypad_enter_icon.png";
const char kSpaceIcon[] = "../resources/icons/AUK_80195_keypad_space_icon.png";

// Keys lie on a grid of 51-pixel cells; a key of type KEYPAD_n spans n cells.
constexpr int kCell = 51;
constexpr int kLeft = 4;
constexpr int kTop = 20;

QString keyText(const char *key)
{
    return QCoreApplication::translate("BaseButton", key);
}

} // namespace

AUK_90015::AUK_90015(QWidget *parent)
    : QStackedWidget(parent)
    , m_alpha(new QWidget)
    , m_numeric(new QWidget)
    , m_shiftKey(m_alpha, BaseButton::KEYPAD_2)
    , m_spaceKey(m_alpha, BaseButton::KEYPAD_3)
    , m_returnKey(m_alpha, BaseButton::KEYPAD_1)
    , m_abcKey(m_numeric, BaseButton::KEYPAD_2)
    , m_numericKey(m_alpha, BaseButton::KEYPAD_1)
    , m_alphaOkKey(m_alpha, BaseButton::KEYPAD_2)
    , m_alphaDelKey(m_alpha, BaseButton::KEYPAD_1)
    , m_numericOkKey(m_numeric, BaseButton::KEYPAD_2)
    , m_numericDelKey(m_numeric, BaseButton::KEYPAD_2)
{
    setObjectName(QStringLiteral("AUK_90015"));
    setFixedSize(310, 346);
    setAutoFillBackground(true);
    m_alpha->setObjectName(QStringLiteral("alpha"));
    m_numeric->setObjectName(QStringLiteral("numeric"));
    addWidget(m_alpha);
    addWidget(m_numeric);

    // The letter page: A to X six to a row, then shift, Y, Z, return, "123";
    // the bottom row OK, space and delete.
    for (int i = 0; i < LetterCount; ++i) {
        auto *key = new AUK_90055(m_alpha, BaseButton::KEYPAD_1);
        key->setObjectName(QStringLiteral("letterKey_%1").arg(QChar('A' + i)));
        if (i < 24)
            placeKey(*key, kLeft + kCell * (i % 6), kTop + kCell * (i / 6), BaseButton::KEYPAD_1);
        else
            placeKey(*key, kLeft + kCell * (i - 22), kTop + kCell * 4, BaseButton::KEYPAD_1);
        connect(key, &BaseButton::clicked, this, &AUK_90015::clicked);
        m_letterKeys[i] = key;
    }
    placeKey(m_shiftKey, 4, 224, BaseButton::KEYPAD_2);
    m_shiftKey.setIcon(QPixmap(QLatin1String(kShiftIcon)));
    m_shiftKey.setCheckable(true);
    m_shiftKey.setChecked(m_upperCase);
    connect(&m_shiftKey, &QAbstractButton::clicked, this, &AUK_90015::toggleLetterCase);
    placeKey(m_returnKey, 208, 224, BaseButton::KEYPAD_1);
    m_returnKey.setIcon(QPixmap(QLatin1String(kEnterIcon)));
    reportValue(m_returnKey, QStringLiteral("\n"));
    placeKey(m_numericKey, 259, 224, BaseButton::KEYPAD_1);
    m_numericKey.setText(QStringLiteral("123"));
    connect(&m_numericKey, &QAbstractButton::clicked, this, &AUK_90015::showNumericKeypad);
    placeKey(m_alphaOkKey, 4, 275, BaseButton::KEYPAD_2);
    m_alphaOkKey.setText(keyText(QT_TRANSLATE_NOOP("BaseButton", "_OK_KEYPAD")));
    connect(&m_alphaOkKey, &QAbstractButton::clicked, this, &AUK_90015::ok);
    placeKey(m_spaceKey, 106, 275, BaseButton::KEYPAD_3);
    m_spaceKey.setIcon(QPixmap(QLatin1String(kSpaceIcon)));
    reportValue(m_spaceKey, QStringLiteral(" "));
    placeKey(m_alphaDelKey, 259, 275, BaseButton::KEYPAD_1);
    m_alphaDelKey.setText(keyText(QT_TRANSLATE_NOOP("BaseButton", "_DEL_NUMPAD")));
    m_alphaDelKey.setLight(true);
    connect(&m_alphaDelKey, &QAbstractButton::clicked, this, &AUK_90015::del);

    // The number page: 1 to 9, then 0 in the middle of the fourth row; the
    // remaining cells hold blank, disabled keys.
    for (int i = 0; i < DigitCount; ++i) {
        auto *key = new AUK_90055(m_numeric, BaseButton::KEYPAD_2);
        const QString digit = QString::number((i + 1) % 10);
        key->setObjectName(QStringLiteral("digitKey_") + digit);
        if (i < 9)
            placeKey(*key, kLeft + 2 * kCell * (i % 3), kTop + kCell * (i / 3), BaseButton::KEYPAD_2);
        else
            placeKey(*key, 106, 173, BaseButton::KEYPAD_2);
        key->setText(digit);
        reportValue(*key, digit);
        m_digitKeys[i] = key;
    }
    connect(m_digitKeys[9].data(), &BaseButton::clicked, this, &AUK_90015::activeNumericDelButton);
    const QPoint blanks[] = {{4, 173}, {208, 173}, {4, 224}, {106, 224}, {106, 275}};
    for (const QPoint &at : blanks) {
        auto *blank = new AUK_90055(m_numeric, BaseButton::KEYPAD_2);
        placeKey(*blank, at.x(), at.y(), BaseButton::KEYPAD_2);
        blank->setEnabled(false);
    }
    placeKey(m_abcKey, 208, 224, BaseButton::KEYPAD_2);
    m_abcKey.setText(QStringLiteral("abc"));
    connect(&m_abcKey, &QAbstractButton::clicked, this, &AUK_90015::showAlphanumericKeypad);
    placeKey(m_numericOkKey, 4, 275, BaseButton::KEYPAD_2);
    m_numericOkKey.setText(keyText(QT_TRANSLATE_NOOP("BaseButton", "_OK_KEYPAD")));
    connect(&m_numericOkKey, &QAbstractButton::clicked, this, &AUK_90015::ok);
    placeKey(m_numericDelKey, 208, 275, BaseButton::KEYPAD_2);
    m_numericDelKey.setText(keyText(QT_TRANSLATE_NOOP("BaseButton", "_DEL_KEYPAD")));
    m_numericDelKey.setLight(true);
    connect(&m_numericDelKey, &QAbstractButton::clicked, this, &AUK_90015::del);

    setCurrentWidget(m_numeric);
    QPalette background = palette();
    background.setBrush(QPalette::All, backgroundRole(),
                        QBrush(QPixmap(QStringLiteral("../resources/Frames/AUK_80147_keypad_frm.png"))));
    setPalette(background);
}

void AUK_90015::placeKey(AUK_90055 &key, int x, int y, int type)
{
    key.setKeyType(type);
    key.move(x, y);
}

void AUK_90015::reportValue(AUK_90055 &key, const QString &value)
{
    key.setValue(value);
    connect(&key, &BaseButton::clicked, this, &AUK_90015::clicked);
}

QWidget *AUK_90015::alphaPage() const
{
    return m_alpha;
}

QWidget *AUK_90015::numericPage() const
{
    return m_numeric;
}

void AUK_90015::showAlphanumericKeypad()
{
    setCurrentWidget(m_alpha);
}

void AUK_90015::showNumericKeypad()
{
    setCurrentWidget(m_numeric);
}

void AUK_90015::setLight(AUK_90055 &key, bool light)
{
    key.setLight(light);
    key.update();
}

void AUK_90015::greyOutAlphaDelButton()
{
    setLight(m_alphaDelKey, true);
}
void AUK_90015::activeAlphaDelButton()
{
    setLight(m_alphaDelKey, false);
}
void AUK_90015::greyOutNumericDelButton()
{
    setLight(m_numericDelKey, true);
}
void AUK_90015::activeNumericDelButton()
{
    setLight(m_numericDelKey, false);
}

void AUK_90015::toggleLetterCase()
{
    m_upperCase = !m_upperCase;
    m_shiftKey.setChecked(m_upperCase);
    relabelLetters();
}

void AUK_90015::relabelLetters()
{
    for (int i = 0; i < LetterCount; ++i) {
        AUK_90055 *key = m_letterKeys[i];
        if (!key)
            continue;
        const bool inUse = i < m_visibleButtons;
        const QString letter = inUse ? QString(QChar((m_upperCase ? 'A' : 'a') + i)) : QString();
        key->setEnabled(inUse);
        key->setText(letter);
        key->setValue(letter);
    }
}

QString AUK_90015::okButtonText() const
{
    return m_alphaOkKey.text();
}

void AUK_90015::setOkButtonText(const QString &text)
{
    m_alphaOkKey.setText(text);
    m_numericOkKey.setText(text);
}

QString AUK_90015::delButtonText() const
{
    return m_alphaDelKey.text();
}

void AUK_90015::setDelButtonText(const QString &text)
{
    m_alphaDelKey.setText(text);
    m_numericDelKey.setText(text);
}

bool AUK_90015::okButtonVisible() const
{
    return m_alphaOkKey.isEnabled();
}

void AUK_90015::setOkButtonVisible(bool visible)
{
    // Shown again, the OK keys get the text they were built with.
    const QString text = visible ? keyText(QT_TRANSLATE_NOOP("BaseButton", "_OK_KEYPAD")) : QString();
    for (AUK_90055 *key : {&m_alphaOkKey, &m_numericOkKey}) {
        key->setEnabled(visible);
        key->setText(text);
    }
}

bool AUK_90015::numericOnly() const
{
    return !m_abcKey.isEnabled();
}

void AUK_90015::setNumericOnly(bool only)
{
    if (only)
        showNumericKeypad();
    m_abcKey.setText(only ? QString() : QStringLiteral("abc"));
    m_abcKey.setEnabled(!only);
}

bool AUK_90015::alphanumericOnly() const
{
    return !m_numericKey.isEnabled();
}

void AUK_90015::setAlphanumericOnly(bool only)
{
    if (only)
        showAlphanumericKeypad();
    m_numericKey.setText(only ? QString() : QStringLiteral("123"));
    m_numericKey.setEnabled(!only);
}

int AUK_90015::visibleButtons() const
{
    return m_visibleButtons;
}

void AUK_90015::setVisibleButtons(int count)
{
    m_visibleButtons = count;
    relabelLetters();
}

void AUK_90015::setKeyVisible(AUK_90055 &key, bool visible, const char *iconPath)
{
    key.setEnabled(visible);
    key.setIcon(visible ? QPixmap(QLatin1String(iconPath)) : QPixmap());
}

bool AUK_90015::shiftVisible() const
{
    return m_shiftKey.isEnabled();
}
void AUK_90015::setShiftVisible(bool visible)
{
    setKeyVisible(m_shiftKey, visible, kShiftIcon);
}
bool AUK_90015::returnVisible() const
{
    return m_returnKey.isEnabled();
}
void AUK_90015::setReturnVisible(bool visible)
{
    setKeyVisible(m_returnKey, visible, kEnterIcon);
}
bool AUK_90015::spaceVisible() const
{
    return m_spaceKey.isEnabled();
}
void AUK_90015::setSpaceVisible(bool visible)
{
    setKeyVisible(m_spaceKey, visible, kSpaceIcon);
}
