#include "widgets/AUK_90004Base.h"

#include "core/SC_Timer.h"
#include "widgets/FontRepository.h"
#include "widgets/InfoBoxDelegate.h"
#include "widgets/PaletteRepository.h"

#include <QDebug>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QTableWidget>

#include <algorithm>

namespace {

constexpr int kBlinkMs = 500;
constexpr int kRowHeight = 20;
const char kFourLinesBox[] = "../resources/Buttons/AUK_80023_info_pane_4lines.png";

struct ColumnWidths
{
    int label;
    int value;
};

const ColumnWidths kBoxTypes[] = {{86, 80}, {116, 50}, {108, 60}, {136, 30}, {170, 0}};

bool isAllZero(const QList<QPair<QString, QString>> &rows)
{
    static const QRegularExpression zeros(QStringLiteral("^(0)*$"));
    for (const auto &row : rows) {
        if (!zeros.match(row.second).hasMatch())
            return false;
    }
    return true;
}

int itemKind(const QTableWidget *table, int row)
{
    const QTableWidgetItem *item = table->item(row, 0);
    return item ? item->type() : AUK_90004Base::LabelAndCount;
}

QTableWidgetItem *cell(const QString &text, int kind, Qt::Alignment alignment)
{
    auto *item = new QTableWidgetItem(text, kind);
    item->setTextAlignment(int(alignment | Qt::AlignVCenter));
    item->setFont(FontRepository::instance()->bold18());
    return item;
}

} // namespace

AUK_90004Base::AUK_90004Base(QWidget *parent, int buttonType)
    : BaseButton(parent, buttonType, 0)
    , m_countersDelegate(new InfoBoxDelegate(this))
    , m_messagesDelegate(new InfoBoxDelegate(this))
    , m_panelLinkIcon(QStringLiteral("../resources/icons/AUK_80055_Panel_link.png"))
    , m_noFaultsIcon(QStringLiteral("../resources/icons/AUK_80145_no_faults.png"))
    , m_blinkTimer(SC_Timer::create(this))
{
    if (objectName().isEmpty())
        setObjectName(QStringLiteral("AUK_90004Base"));
    setFixedSize(210, 338);
    setEnabled(true);
    setLight(false);
    const PaletteRepository *palettes = PaletteRepository::instance();
    const FontRepository *fonts = FontRepository::instance();
    setPalette(palettes->greyPalette());

    // Created bottom to top.
    m_title = label("title", QRect(10, 10, 188, 20));
    m_title->setAlignment(Qt::AlignCenter);
    m_title->setFont(fonts->bold18());
    m_title->setPalette(palettes->whiteTextPalette());
    m_box2 = label("box2", QRect(11, 133, 188, 122));
    m_box2->setPixmap(QPixmap(QStringLiteral("../resources/Buttons/AUK_80024_info_pane_5lines.png")));
    m_messagesTableWidget = new QTableWidget(this);
    m_messagesTableWidget->setObjectName(QStringLiteral("messagesTableWidget"));
    m_messagesTableWidget->setGeometry(21, 143, 168, 102);
    m_messagesTableWidget->setFixedSize(168, 102);
    configureTable(m_messagesTableWidget, 5, 1);
    m_messagesTableWidget->setColumnWidth(0, 168);
    m_messagesLabel = label("messagesLabel", QRect(21, 143, 168, 102));
    m_messagesLabel->setPixmap(QPixmap(QStringLiteral("../resources/icons/AUK_80146_no_messages.png")));
    m_messagesLabel->setAlignment(Qt::AlignCenter);
    m_box1 = label("box1", QRect(11, 33, 188, 98));
    m_box1->setPixmap(QPixmap(QLatin1String(kFourLinesBox)));
    m_countersTableWidget = new QTableWidget(this);
    m_countersTableWidget->setObjectName(QStringLiteral("countersTableWidget"));
    m_countersTableWidget->setGeometry(21, 42, 168, 80);
    m_countersTableWidget->setMinimumSize(168, 80);
    m_countersTableWidget->setMaximumSize(168, 220);
    configureTable(m_countersTableWidget, 10, 2);
    m_countersTableWidget->setWordWrap(true);
    setBoxType(1);
    m_counterLabel = label("counterLabel", QRect(21, 48, 168, 78));
    m_counterLabel->setMinimumSize(168, 78);
    m_counterLabel->setMaximumSize(168, 218);
    m_counterLabel->setPixmap(m_noFaultsIcon);
    m_counterLabel->setAlignment(Qt::AlignCenter);
    m_counterLabel->setWordWrap(true);
    m_counterLabel->setFont(fonts->bold15());
    m_labelText = label("labelText", QRect(12, 257, 186, 71));
    m_labelText->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    m_labelText->setWordWrap(true);
    m_labelText->setFont(fonts->normal15());
    m_labelText->setPalette(palettes->whiteTextPalette());

    m_countersTableWidget->setItemDelegate(m_countersDelegate);
    refreshCounters(m_counters, m_counterLabel, m_countersTableWidget, m_useCountersZeroIcon);
    QPalette white = m_countersTableWidget->palette();
    white.setColor(QPalette::Base, PaletteRepository::white());
    m_countersTableWidget->setPalette(white);
    m_countersTableWidget->setAutoFillBackground(true);
    forwardTouches(m_countersTableWidget);

    m_blinkTimer->setInterval(kBlinkMs);
    connect(m_blinkTimer, &SC_Timer::timeout, this, &AUK_90004Base::m_timerExpired);
}

AUK_90004Base::~AUK_90004Base() = default;

QLabel *AUK_90004Base::label(const char *name, const QRect &rect)
{
    auto *created = new QLabel(this);
    created->setObjectName(QLatin1String(name));
    created->setGeometry(rect);
    return created;
}

void AUK_90004Base::configureTable(QTableWidget *table, int rows, int columns)
{
    // The font first: a later font change would reset the row height.
    table->setFont(FontRepository::instance()->bold18());
    table->setRowCount(rows);
    table->setColumnCount(columns);
    table->setFrameShape(QFrame::NoFrame);
    table->setShowGrid(false);
    table->horizontalHeader()->setVisible(false);
    table->verticalHeader()->setVisible(false);
    table->horizontalHeader()->setHighlightSections(false);
    table->verticalHeader()->setHighlightSections(false);
    // The minimum first: a default below it would not take.
    table->verticalHeader()->setMinimumSectionSize(kRowHeight);
    table->verticalHeader()->setDefaultSectionSize(kRowHeight);
    table->horizontalHeader()->setMinimumSectionSize(0);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setAutoScroll(false);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setTabKeyNavigation(false);
    table->setDropIndicatorShown(false);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setTextElideMode(Qt::ElideNone);
    table->setCornerButtonEnabled(false);
}

void AUK_90004Base::forwardTouches(QTableWidget *table)
{
    table->installEventFilter(this);
    table->viewport()->installEventFilter(this);
}

QString AUK_90004Base::text() const
{
    return m_labelText->text();
}

void AUK_90004Base::setText(const QString &text)
{
    m_labelText->setText(text);
}

QString AUK_90004Base::title() const
{
    return m_title->text();
}

void AUK_90004Base::setTitle(const QString &title)
{
    m_title->setText(title);
}

void AUK_90004Base::setUseCountersZeroIcon(bool use)
{
    m_useCountersZeroIcon = use;
    refreshCounters(m_counters, m_counterLabel, m_countersTableWidget, m_useCountersZeroIcon);
}

bool AUK_90004Base::countersVisible() const
{
    return m_box1->isVisible();
}

void AUK_90004Base::setCountersVisible(bool visible)
{
    if (visible) {
        m_box1->show();
        refreshCounters(m_counters, m_counterLabel, m_countersTableWidget, m_useCountersZeroIcon);
        return;
    }
    m_box1->hide();
    m_countersTableWidget->hide();
    m_counterLabel->hide();
}

bool AUK_90004Base::messagesVisible() const
{
    return m_box2->isVisible();
}

void AUK_90004Base::setMessagesVisible(bool visible)
{
    m_box2->setVisible(visible);
    if (!visible) {
        m_messagesTableWidget->hide();
        m_messagesLabel->hide();
    }
}

void AUK_90004Base::setTallCountersBox(bool tall)
{
    m_tallCountersBox = tall;
    const QPixmap box(tall ? QStringLiteral("../resources/Buttons/AUK_80140_info_pane_large.png")
                           : QLatin1String(kFourLinesBox));
    m_box1->setPixmap(box);
    m_box1->resize(box.size());
    m_countersTableWidget->resize(m_countersTableWidget->width(), box.height() - 20);
    m_counterLabel->resize(m_counterLabel->width(), box.height() - 22);
}

bool AUK_90004Base::isRowInTable(const char *where, const QTableWidget *table, int row)
{
    if (row >= 0 && row < table->rowCount())
        return true;
    qWarning() << where << "no row" << row << "in a table of" << table->rowCount();
    return false;
}

void AUK_90004Base::defineRow(QTableWidget *table, Rows &rows, int row, const QString &label, int kind)
{
    if (!isRowInTable("AUK_90004Base::setMessage", table, row))
        return;
    while (rows.size() <= row)
        rows.append({QString(), QStringLiteral("0")});
    rows[row] = {label, QStringLiteral("0")};
    const bool counts = kind != CountWhenNotZero && kind != LabelOnly;
    table->setItem(row, 0, cell(kind == CountWhenNotZero ? QString() : label, kind, Qt::AlignLeft));
    table->setItem(row, 1, cell(counts ? QStringLiteral("0000") : QString(), kind, Qt::AlignRight));
    const QFontMetrics metrics(FontRepository::instance()->bold18());
    if (metrics.horizontalAdvance(label) > table->columnWidth(0))
        table->setRowHeight(row, 2 * metrics.height());
}

void AUK_90004Base::writeValue(QTableWidget *table, Rows &rows, QLabel *iconLabel, bool zeroIcon, int row,
                               const QString &text)
{
    if (!isRowInTable("AUK_90004Base::setCounterText", table, row))
        return;
    if (row >= rows.size()) {
        qWarning() << "AUK_90004Base::setCounterText: row" << row << "was never defined";
        return;
    }
    const QString value = text.trimmed();
    rows[row].second = value;
    const int kind = itemKind(table, row);
    const bool blank = kind == CountWhenNotZero && value.toInt() == 0;
    const QString shownLabel = blank ? QString() : rows[row].first;
    const QString shownValue = (blank || kind == LabelOnly) ? QString() : value;
    table->setItem(row, 0, cell(shownLabel, kind, Qt::AlignLeft));
    table->setItem(row, 1, cell(shownValue, kind, Qt::AlignRight));
    const QFontMetrics metrics(FontRepository::instance()->bold18());
    const bool wide = metrics.horizontalAdvance(shownValue) > table->columnWidth(1)
                      || metrics.horizontalAdvance(rows[row].first) > table->columnWidth(0);
    // The inked height, never below the 20-pixel row: four rows must fit
    // the four-line box.
    const int height = std::max({kRowHeight, metrics.tightBoundingRect(shownValue).height(),
                                 metrics.tightBoundingRect(rows[row].first).height()});
    table->setRowHeight(row, wide ? 2 * metrics.height() : height);
    refreshCounters(rows, iconLabel, table, zeroIcon);
}

void AUK_90004Base::relabel(QTableWidget *table, const Rows &rows, int row, const QString &text)
{
    if (!isRowInTable("AUK_90004Base::setCounterLabel", table, row))
        return;
    QTableWidgetItem *item = table->item(row, 0);
    if (row >= rows.size() || !item) {
        qWarning() << "AUK_90004Base::setCounterLabel: row" << row << "was never defined";
        return;
    }
    item->setText(text);
    table->viewport()->update();
}

void AUK_90004Base::refreshCounters(const Rows &rows, QLabel *iconLabel, QTableWidget *table, bool zeroIcon)
{
    const bool showIcon = zeroIcon && (!m_connected || isAllZero(rows));
    iconLabel->setVisible(showIcon);
    table->setVisible(!showIcon);
    if (m_connected)
        table->viewport()->update();
}

void AUK_90004Base::setMessage(int row, const QString &label, int kind)
{
    defineRow(m_countersTableWidget, m_counters, row, label, kind);
}

QString AUK_90004Base::countText(int number)
{
    return QStringLiteral("%1").arg(number, 4, 10, QLatin1Char('0'));
}

void AUK_90004Base::setCounterNumber(int row, int number)
{
    setCounterText(row, countText(number));
}

void AUK_90004Base::setCounterText(int row, const QString &text)
{
    writeValue(m_countersTableWidget, m_counters, m_counterLabel, m_useCountersZeroIcon, row, text);
}

void AUK_90004Base::setCounterLabel(int row, const QString &text)
{
    relabel(m_countersTableWidget, m_counters, row, text);
}

void AUK_90004Base::renameCounter(int row, const QString &text)
{
    if (row < 0 || row >= m_counters.size() || !m_countersTableWidget->item(row, 0))
        return;
    m_counters[row].first = text;
    relabel(m_countersTableWidget, m_counters, row, text);
}

void AUK_90004Base::setBoxType(int type)
{
    const ColumnWidths widths = (type >= 0 && type < int(std::size(kBoxTypes))) ? kBoxTypes[type] : kBoxTypes[1];
    m_countersTableWidget->setColumnWidth(0, widths.label);
    m_countersTableWidget->setColumnWidth(1, widths.value);
}

void AUK_90004Base::showCounterMessage(const QString &text)
{
    m_blinkTimer->stop();
    m_countersTableWidget->hide();
    m_counterLabel->setText(text);
    m_counterLabel->show();
}

void AUK_90004Base::setMessagesText(const QString &text)
{
    m_messagesLabel->setWordWrap(true);
    m_messagesLabel->setFont(FontRepository::instance()->normal15());
    m_messagesLabel->setText(text);
}

void AUK_90004Base::setEnabledLook(bool enabled)
{
    setEnabled(enabled);
    const PaletteRepository *palettes = PaletteRepository::instance();
    const QPalette palette = enabled ? palettes->whiteTextPalette() : palettes->greyPalette();
    for (QLabel *text : {m_title, m_labelText}) {
        text->setPalette(palette);
        text->update();
    }
}

void AUK_90004Base::panelConnected(bool connected, bool backupConnected)
{
    m_connected = connected;
    m_backupConnected = backupConnected;
    if (connected) {
        m_counterLabel->setPixmap(m_noFaultsIcon);
        refreshCounters(m_counters, m_counterLabel, m_countersTableWidget, m_useCountersZeroIcon);
        m_labelText->show();
        return;
    }
    m_counterLabel->setPixmap(m_panelLinkIcon);
    m_counterLabel->show();
    m_countersTableWidget->hide();
    m_labelText->setVisible(backupConnected);
    if (!m_blinkTimer->isActive())
        m_blinkTimer->start(kBlinkMs);
}

void AUK_90004Base::m_timerExpired()
{
    if (m_connected)
        return;
    if (m_blinkPhase || m_backupConnected) {
        m_counterLabel->setPixmap(m_panelLinkIcon);
        m_counterLabel->show();
        m_countersTableWidget->hide();
    } else {
        m_counterLabel->hide();
    }
    m_blinkPhase = !m_blinkPhase;
}

bool AUK_90004Base::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease && type != QEvent::MouseButtonDblClick
        && type != QEvent::MouseMove)
        return BaseButton::eventFilter(watched, event);
    auto *source = qobject_cast<QWidget *>(watched);
    auto *mouse = static_cast<QMouseEvent *>(event);
    // In the pane's own coordinates, so a release over the table counts as
    // a release over the pane.
    QMouseEvent mapped(type, source ? source->mapTo(this, mouse->pos()) : mouse->pos(), mouse->windowPos(),
                       mouse->screenPos(), mouse->button(), mouse->buttons(), mouse->modifiers());
    switch (type) {
    case QEvent::MouseButtonPress:
        mousePressEvent(&mapped);
        break;
    case QEvent::MouseButtonRelease:
        mouseReleaseEvent(&mapped);
        break;
    case QEvent::MouseButtonDblClick:
        mouseDoubleClickEvent(&mapped);
        break;
    default:
        mouseMoveEvent(&mapped);
        break;
    }
    return true;
}
