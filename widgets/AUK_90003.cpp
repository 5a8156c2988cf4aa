#include "widgets/AUK_90003.h"

#include "widgets/FontRepository.h"

#include <QPaintEvent>

#include <algorithm>

AUK_90003::AUK_90003(QWidget *parent)
    : QAbstractButton(parent)
    , m_imageLabel(this)
    , m_textLabel(this)
    , m_checkedImage(QStringLiteral("../resources/images/AUK_80084_Radio_on.png"))
    , m_notCheckedImage(QStringLiteral("../resources/images/AUK_80083_Radio_off.png"))
    , m_layout(new QHBoxLayout(this))
{
    setObjectName(QStringLiteral("AUK_90003"));
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(5);
    m_layout->addWidget(&m_textLabel, 1, Qt::AlignLeft);
    m_layout->addWidget(&m_imageLabel, 0, Qt::AlignRight);
    m_imageLabel.setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_textLabel.setFont(FontRepository::instance()->bold15());
    m_textLabel.setPalette(palette());

    setAutoExclusive(true);
    setCheckable(true);
    m_imageLabel.setPixmap(m_notCheckedImage);
    updateMinimumSize();
    connect(this, &QAbstractButton::toggled, this, &AUK_90003::onToggled);
}

void AUK_90003::onToggled(bool checked)
{
    m_imageLabel.setPixmap(checked ? m_checkedImage : m_notCheckedImage);
}

void AUK_90003::updateMinimumSize()
{
    setMinimumSize(std::min(m_checkedImage.width(), m_notCheckedImage.width()),
                   std::min(m_checkedImage.height(), m_notCheckedImage.height()));
}

QPixmap AUK_90003::checkedImage() const
{
    return m_checkedImage;
}

void AUK_90003::setCheckedImage(const QPixmap &image)
{
    m_checkedImage = image;
    updateMinimumSize();
    if (isChecked())
        m_imageLabel.setPixmap(m_checkedImage);
}

QPixmap AUK_90003::notCheckedImage() const
{
    return m_notCheckedImage;
}

void AUK_90003::setNotCheckedImage(const QPixmap &image)
{
    m_notCheckedImage = image;
    updateMinimumSize();
    if (!isChecked())
        m_imageLabel.setPixmap(m_notCheckedImage);
}

QString AUK_90003::text() const
{
    return m_textLabel.text();
}

void AUK_90003::setText(const QString &text)
{
    m_textLabel.setText(text);
}

int AUK_90003::spacing() const
{
    return m_layout->spacing();
}

void AUK_90003::setSpacing(int spacing)
{
    m_layout->setSpacing(spacing);
}

void AUK_90003::setLabelFont(const QFont &font)
{
    m_textLabel.setFont(font);
}

void AUK_90003::setLabelPalette(const QPalette &palette)
{
    m_textLabel.setPalette(palette);
}

void AUK_90003::paintEvent(QPaintEvent *event)
{
    // The two labels are the whole look.
    event->accept();
}
