#include "widgets/PopupFrame.h"

#include "widgets/AUK_90046.h"
#include "widgets/FontRepository.h"
#include "widgets/PaletteRepository.h"
#include "widgets/VerticalShadow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QSpacerItem>

namespace {

QSpacerItem *expandingSpacer()
{
    return new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum);
}

} // namespace

PopupFrame::PopupFrame(QWidget *parent, const Layout &layout)
    : BasePopup(parent)
    , m_titleWritable(layout.titleWritable)
{
    if (objectName().isEmpty())
        setObjectName(QLatin1String(layout.objectName));
    resize(640, 414);
    setFixedSize(640, 414);
    setMaximumHeight(layout.maximumHeight);

    m_frame = new QLabel(this);
    m_frame->setObjectName(QLatin1String(layout.frameName));
    m_frame->setGeometry(layout.frame);
    m_frame->setPixmap(QPixmap(QLatin1String(layout.frameImage)));

    m_shadow = new QWidget(this);
    m_shadow->setObjectName(QStringLiteral("shadow"));
    m_shadow->setGeometry(layout.shadow);

    m_titleRow = new QWidget(this);
    m_titleRow->setObjectName(QStringLiteral("widget"));
    m_titleRow->setGeometry(layout.titleRow);
    auto *row = new QHBoxLayout(m_titleRow);
    row->setObjectName(QStringLiteral("horizontalLayout"));
    row->setSpacing(10);
    const QMargins margins = row->contentsMargins();
    row->setContentsMargins(margins.left(), 0, margins.right(), 0);
    row->addItem(expandingSpacer());
    m_popupIcon = new QLabel(m_titleRow);
    m_popupIcon->setObjectName(QStringLiteral("popupIcon"));
    m_popupIcon->setMaximumSize(30, 30);
    m_popupIcon->setPixmap(QPixmap(QStringLiteral("../resources/icons/LogInSml_White.png")));
    row->addWidget(m_popupIcon);
    m_popupTitle = new QLabel(QLatin1String(layout.initialTitle), m_titleRow);
    m_popupTitle->setObjectName(QStringLiteral("popupTitle"));
    row->addWidget(m_popupTitle);
    row->addItem(expandingSpacer());

    m_leftButton = new AUK_90046(this);
    m_leftButton->setObjectName(QStringLiteral("leftButton"));
    m_leftButton->setGeometry(layout.leftButton);
    m_rightButton = new AUK_90046(this);
    m_rightButton->setObjectName(QStringLiteral("rightButton"));
    m_rightButton->setGeometry(layout.rightButton);

    // The screen below shows through, darkened.
    QPalette dim = palette();
    dim.setColor(QPalette::Window, PaletteRepository::shadowGrey());
    setPalette(dim);
    setAutoFillBackground(true);
    setVerticalShadow(m_shadow, Qt::transparent, PaletteRepository::midGrey());
    m_popupTitle->setPalette(PaletteRepository::instance()->whitePalette());
    m_popupTitle->setFont(FontRepository::instance()->bold18());

    connect(m_leftButton, &BaseButton::clicked, this, &BasePopup::leftButtonClicked);
    connect(m_rightButton, &BaseButton::clicked, this, &BasePopup::rightButtonClicked);
}

QString PopupFrame::title() const
{
    return m_popupTitle->text();
}

void PopupFrame::setTitle(const QString &title)
{
    if (m_titleWritable)
        m_popupTitle->setText(title);
}

void PopupFrame::showTitle(const QString &title)
{
    m_popupTitle->setText(title);
}

QPixmap PopupFrame::titleIcon() const
{
    return m_popupIcon->pixmap(Qt::ReturnByValue);
}

void PopupFrame::setPopupIcon(const QPixmap &icon)
{
    m_popupIcon->setPixmap(icon);
}

bool PopupFrame::leftButtonVisible() const
{
    return m_leftButton->isVisible();
}

void PopupFrame::setLeftButtonVisible(bool visible)
{
    m_leftButton->setVisible(visible);
}

QString PopupFrame::leftButtonText() const
{
    return m_leftButton->text();
}

void PopupFrame::setLeftButtonText(const QString &)
{
}

bool PopupFrame::leftButtonLight() const
{
    return m_leftButton->light();
}

void PopupFrame::setLeftButtonLight(bool light)
{
    setButtonLight(m_leftButton, light);
}

bool PopupFrame::rightButtonVisible() const
{
    return m_rightButton->isVisible();
}

void PopupFrame::setRightButtonVisible(bool visible)
{
    m_rightButton->setVisible(visible);
}

QString PopupFrame::rightButtonText() const
{
    return m_rightButton->text();
}

void PopupFrame::setRightButtonText(const QString &)
{
}

bool PopupFrame::rightButtonLight() const
{
    return m_rightButton->light();
}

void PopupFrame::setRightButtonLight(bool light)
{
    setButtonLight(m_rightButton, light);
}

void PopupFrame::setLeftButtonTextById(int id)
{
    m_leftButton->setTextById(id);
}

void PopupFrame::setRightButtonTextById(int id)
{
    m_rightButton->setTextById(id);
}

void PopupFrame::setShadowVisible(bool visible)
{
    m_shadow->setVisible(visible);
}

void PopupFrame::setButtonLight(AUK_90046 *key, bool light)
{
    const PaletteRepository *palettes = PaletteRepository::instance();
    key->setLabelPalette(light ? palettes->darkTextPalette() : palettes->whiteTextPalette());
    key->setLight(light);
}
