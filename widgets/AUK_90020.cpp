#include "widgets/AUK_90020.h"

#include "widgets/FontRepository.h"
#include "widgets/PaletteRepository.h"
#include "widgets/TouchList.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QScrollBar>

namespace {

constexpr int BottomMargin = 15;

QLabel *shadowLabel(QWidget *parent, const char *name, const QRect &geometry, const QString &file)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    label->setAutoFillBackground(false);
    label->setPixmap(QPixmap(file));
    return label;
}

} // namespace

AUK_90020::AUK_90020(QWidget *parent)
    : QWidget(parent)
    , m_bg(new QLabel(this))
    , m_list(new QListView(this))
    , m_leftShadow(shadowLabel(this, "leftShadow", QRect(4, 15, 6, 316),
                               QStringLiteral("../resources/Frames/Frames_eventlog_frm_Left_shdw.png")))
    , m_rightShadow(shadowLabel(this, "rightShadow", QRect(296, 15, 6, 316),
                                QStringLiteral("../resources/Frames/Frames_eventlog_frm_Right_shdw.png")))
    , m_header(new QWidget(this))
{
    if (objectName().isEmpty())
        setObjectName(QStringLiteral("AUK_90020"));
    setFixedSize(314, 346);
    m_bg->setObjectName(QStringLiteral("bg"));
    m_bg->setGeometry(0, 0, 306, 346);
    m_bg->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_list->setObjectName(QStringLiteral("list"));
    m_list->setGeometry(4, 15, 298, 316);
    TouchList::configure(m_list, TouchList::Horizontal);
    m_header->setObjectName(QStringLiteral("header"));
    m_header->setGeometry(3, 4, 300, 44);
    // Bottom to top: bg, list, rightShadow, leftShadow, header.
    m_rightShadow->raise();
    m_leftShadow->raise();
    m_header->raise();

    m_flicker.attachTo(m_list);
    m_flicker.setOrientation(Flicker::Horizontal);
    const QScrollBar *bar = m_list->horizontalScrollBar();
    connect(bar, &QScrollBar::rangeChanged, this, &AUK_90020::updateLeftRightShadows);
    connect(bar, &QScrollBar::valueChanged, this, &AUK_90020::updateLeftRightShadows);
    applyHeaderLayout();
}

QListView *AUK_90020::listView() const
{
    return m_list;
}

QWidget *AUK_90020::headerWidget() const
{
    return m_header;
}

void AUK_90020::setModel(QAbstractItemModel *model)
{
    m_list->setModel(model);
    updateLeftRightShadows(0);
    m_flicker.modelChanged();
    if (model) {
        connect(model, &QAbstractItemModel::rowsInserted, &m_flicker, &Flicker::modelChanged, Qt::UniqueConnection);
        connect(model, &QAbstractItemModel::rowsRemoved, &m_flicker, &Flicker::modelChanged, Qt::UniqueConnection);
    }
}

void AUK_90020::setHeaderText(const QString &text)
{
    // A second text replaces the first rather than stacking a second label.
    if (!m_headerText) {
        auto *layout = new QHBoxLayout(m_header);
        layout->setContentsMargins(12, 0, 12, 0);
        m_headerText = new QLabel(m_header);
        m_headerText->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_headerText->setFont(FontRepository::instance()->bold18());
        m_headerText->setPalette(PaletteRepository::instance()->whiteTextPalette());
        layout->addWidget(m_headerText);
    }
    m_headerText->setText(text);
}

bool AUK_90020::showHeader() const
{
    return m_showHeader;
}

void AUK_90020::setShowHeader(bool show)
{
    m_showHeader = show;
    applyHeaderLayout();
}

void AUK_90020::updateLeftRightShadows(int value)
{
    const QScrollBar *bar = m_list->horizontalScrollBar();
    m_leftShadow->setVisible(value != bar->minimum());
    m_rightShadow->setVisible(value != bar->maximum());
}

void AUK_90020::applyHeaderLayout()
{
    const QPixmap frame(m_showHeader
                            ? QStringLiteral("../resources/Frames/AUK_80043_List_frm_smll_selected_big_hdr.png")
                            : QStringLiteral("../resources/Frames/AUK_80042_List_frm_smll_selected.png"));
    const int top = m_showHeader ? 43 : 15;
    const int height = frame.height() - top - BottomMargin;
    m_bg->setPixmap(frame);
    m_header->setVisible(m_showHeader);
    m_list->setGeometry(m_list->x(), top, m_list->width(), height);
    m_leftShadow->setGeometry(m_leftShadow->x(), top, m_leftShadow->width(), height);
    m_rightShadow->setGeometry(m_rightShadow->x(), top, m_rightShadow->width(), height);
}
