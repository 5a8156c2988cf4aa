#include "widgets/AUK_90053.h"

#include "widgets/FontRepository.h"
#include "widgets/PaletteRepository.h"

#include <QBrush>
#include <QPixmap>

namespace {

const int kFieldX[AUK_90053::FieldCount] = {80, 122, 176, 218, 260};

QPalette imagePalette(const char *path)
{
    QPalette palette;
    palette.setBrush(QPalette::All, QPalette::Window, QBrush(QPixmap(QLatin1String(path))));
    return palette;
}

} // namespace

AUK_90053::AUK_90053(QWidget *parent)
    : BaseButton(parent, FILTER_BUTTON, 0)
    , m_buttonLabel(new QLabel(this))
    , m_buttonValue6(new QLabel(this))
{
    setObjectName(QStringLiteral("AUK_90053"));
    setFixedSize(326, 64);

    m_buttonLabel->setObjectName(QStringLiteral("buttonLabel"));
    m_buttonLabel->setGeometry(10, 12, 70, 44);
    m_buttonLabel->setText(QStringLiteral("Button Text"));
    for (int i = 0; i < FieldCount; ++i) {
        m_valueFields[i] = new QLabel(this);
        m_valueFields[i]->setObjectName(QStringLiteral("buttonValue_%1").arg(i + 1));
        m_valueFields[i]->setGeometry(kFieldX[i], 11, 42, 42);
    }
    m_buttonValue6->setObjectName(QStringLiteral("buttonValue_6"));
    m_buttonValue6->setGeometry(149, 10, 42, 42);
    QFont extraFont(QStringLiteral("DejaVu Sans"), 12, 75);
    m_buttonValue6->setFont(extraFont);
    for (QLabel *label : {m_buttonLabel, m_buttonValue6}) {
        label->setAlignment(Qt::AlignCenter);
        label->setWordWrap(true);
    }

    const PaletteRepository *palettes = PaletteRepository::instance();
    setPalette(palettes->greyPalette());
    m_outlinePalette = imagePalette("../resources/Frames/AUK_80045_filter_button_infobox_outline.png");
    m_outlinePalette.setBrush(QPalette::All, QPalette::WindowText, PaletteRepository::white());
    m_boxPalette = imagePalette("../resources/Frames/AUK_80046_filter_button_infobox_small.png");
    m_extraPalette.setBrush(QPalette::All, QPalette::WindowText, PaletteRepository::white());

    const FontRepository *fonts = FontRepository::instance();
    for (QLabel *field : m_valueFields) {
        field->setAlignment(Qt::AlignCenter);
        field->setWordWrap(true);
        field->setAutoFillBackground(true);
        field->setPalette(m_boxPalette);
        field->setFont(fonts->bold15());
    }
    m_buttonValue6->setPalette(m_extraPalette);
    m_buttonValue6->hide();
    m_buttonLabel->setPalette(palettes->whiteTextPalette());
    m_buttonLabel->setFont(fonts->normal15());
    m_valueVisible.fill(true);
    m_cursor = 0;
}

bool AUK_90053::isField(int index)
{
    return index >= 0 && index < FieldCount;
}

bool AUK_90053::isShown(int index) const
{
    return isField(index) && !m_valueFields[index]->isHidden();
}

bool AUK_90053::isUsable(int index) const
{
    return isShown(index) && !m_greyBox[index];
}

QString AUK_90053::buttonLabel() const
{
    return m_buttonLabel->text();
}

void AUK_90053::setButtonLabel(const QString &text)
{
    m_buttonLabel->setText(text);
}

QString AUK_90053::fieldValue(int index) const
{
    return isField(index) ? m_valueFields[index]->text() : QString();
}

void AUK_90053::setFieldValue(int index, const QString &value)
{
    if (isField(index))
        m_valueFields[index]->setText(value);
}

bool AUK_90053::fieldVisible(int index) const
{
    return isField(index) && m_valueVisible[index];
}

void AUK_90053::setFieldVisible(int index, bool visible)
{
    if (!isField(index))
        return;
    m_valueVisible[index] = visible;
    m_valueFields[index]->setVisible(visible);
}

bool AUK_90053::fieldEnabled(int index) const
{
    return isField(index) && m_valueFields[index]->isEnabled();
}

void AUK_90053::setFieldEnabled(int index, bool enabled)
{
    if (isField(index))
        m_valueFields[index]->setEnabled(enabled);
}

bool AUK_90053::greyBox(int index) const
{
    return isField(index) && m_greyBox[index];
}

void AUK_90053::setGreyBox(int index, bool grey)
{
    if (!isField(index))
        return;
    m_greyBox[index] = grey;
    m_valueFields[index]->setPalette(grey ? m_outlinePalette : m_boxPalette);
}

void AUK_90053::setValue6Visible(bool visible)
{
    m_buttonValue6->setVisible(visible);
}

int AUK_90053::cursor() const
{
    return m_cursor;
}

void AUK_90053::clearValues(bool forward)
{
    m_enteredValues.clear();
    const auto skipped = [this](int index) { return !m_valueVisible[index] || m_greyBox[index]; };
    if (forward) {
        m_cursor = 0;
        while (m_cursor < FieldCount && skipped(m_cursor))
            ++m_cursor;
    } else {
        m_cursor = FieldCount - 1;
        while (m_cursor > 0 && skipped(m_cursor))
            --m_cursor;
    }
    for (int i = 0; i < FieldCount; ++i) {
        if (!m_greyBox[i])
            m_valueFields[i]->setText(QString());
    }
}

void AUK_90053::clearAndDisable(bool forward)
{
    clearValues(forward);
    setEnabled(false);
}

void AUK_90053::clearAndEnable(bool forward)
{
    clearValues(forward);
    setEnabled(true);
}

bool AUK_90053::writeEntered(std::initializer_list<int> fields)
{
    if (m_enteredValues.size() < static_cast<int>(fields.size()))
        return false;
    int entered = 0;
    for (int field : fields)
        setFieldValue(field, m_enteredValues.at(entered++));
    return true;
}

void AUK_90053::insertValue(const QString &value)
{
    if (m_cursor < 0)
        return;
    if (m_cursor >= FieldCount)
        m_cursor = FieldCount - 1;
    while (m_cursor > 0 && !isUsable(m_cursor))
        --m_cursor;
    if (isUsable(m_cursor)) {
        m_enteredValues.append(value);
        bool written = false;
        if (m_cursor == 2 && isShown(0))
            written = writeEntered({2, 4});
        else if (m_cursor == 0 && isShown(0))
            written = writeEntered({0, 2, 4});
        if (!written)
            setFieldValue(m_cursor, value);
    }
    --m_cursor;
}

void AUK_90053::insertValue(bool fourDigitEntry, const QString &value)
{
    // A cursor run below the first field by right-to-left entry stays there:
    // this entry never overwrites what that one typed.
    if (!fourDigitEntry || m_cursor >= FieldCount || m_cursor < 0)
        return;
    while (m_cursor < FieldCount && !isUsable(m_cursor))
        ++m_cursor;
    if (isUsable(m_cursor))
        setFieldValue(m_cursor, value);
    ++m_cursor;
}

void AUK_90053::setDigits(const QString &text)
{
    int next = text.size() - 1;
    for (int i = FieldCount - 1; i >= 0; --i) {
        if (!isUsable(i))
            continue;
        m_valueFields[i]->setText(next >= 0 ? QString(text.at(next)) : QStringLiteral("0"));
        --next;
    }
}

QString AUK_90053::digits() const
{
    QString result;
    for (int i = 0; i < FieldCount; ++i) {
        if (isShown(i))
            result += m_valueFields[i]->text();
    }
    return result;
}
