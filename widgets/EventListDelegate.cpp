#include "widgets/EventListDelegate.h"

#include "widgets/FontRepository.h"
#include "widgets/PaletteRepository.h"
#include "widgets/QrCodeImage.h"
#include "widgets/TextLines.h"

#include <QPainter>

namespace {

constexpr int InformationRole = 64;
constexpr int QrTextRole = 185;
constexpr int RowStep = 26;
constexpr int NarrowRowStep = 25;
constexpr int OneCardShift = 23;
constexpr int QrCacheSize = 32;

QRect box(int left, int top, int right, int bottom)
{
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

QString text(const QModelIndex &index, int role)
{
    return index.data(role).toString();
}

} // namespace

EventListDelegate::EventListDelegate(const QVector<int> *roles, QObject *parent, bool hideInformation, bool rbusMode,
                                     bool eventLogFrame)
    : RolesCardDelegate(eventLogFrame ? QStringLiteral("AUK_80153_eventlog_info_card.png")
                                      : QStringLiteral("AUK_80156_Event_info_card.png"),
                        parent)
    , m_textPen(PaletteRepository::darkGrey())
    , m_linePen(PaletteRepository::lightGrey(), 1)
    , m_titleOption(Qt::AlignLeft | Qt::AlignVCenter)
    , m_centredOption(Qt::AlignCenter)
    , m_roles(roles)
    , m_lineCount(hideInformation || rbusMode ? 6 : 7)
    , m_hideInformation(hideInformation)
    , m_rbusMode(rbusMode)
    , m_qrCodes(QrCacheSize)
{
    m_titleOption.setWrapMode(QTextOption::WrapAnywhere);
    m_centredOption.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    buildRoleColumns();
}

EventListDelegate::~EventListDelegate() = default;

QVector<QString> EventListDelegate::columnTitles() const
{
    QVector<QString> titles;
    for (int role : *m_roles) {
        if (role == InformationRole && informationHidden())
            continue;
        titles.append(roleTitle(role));
    }
    return titles;
}

void EventListDelegate::buildRoleColumns()
{
    const QVector<QString> titles = columnTitles();
    QList<RoleColumn> columns;
    for (int i = 0; i < titles.size() && i < m_roles->size(); ++i) {
        const int role = m_roles->at(i);
        // The analogue and test-date rows share a line with the row before.
        int position = i;
        if (role == 87 || role == 93 || role == 145)
            position = i - 2;
        else if (role == 146)
            position = i - 3;
        columns.append(RoleColumn{position, role, titles.at(i)});
    }
    setRoleColumns(columns);
}

void EventListDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    painter->save();
    painter->translate(cardOrigin(option, index, OneCardShift));
    painter->drawPixmap(0, 0, frame());
    const int w = frame().width();
    painter->setPen(m_linePen);
    for (int k = 0; k < m_lineCount; ++k)
        painter->drawLine(22, 29 + RowStep * k, w - 22, 29 + RowStep * k);
    painter->setPen(m_textPen);
    painter->setFont(FontRepository::instance()->normal15());
    for (const RoleColumn &column : roleColumns())
        painter->drawText(box(22, 6 + RowStep * column.column, w + 21, 31 + RowStep * column.column), column.title,
                          m_titleOption);
    paintRows(painter, index, false);
    painter->restore();
}

void EventListDelegate::paintRows(QPainter *painter, const QModelIndex &index, bool top) const
{
    for (const RoleColumn &column : roleColumns()) {
        switch (column.role) {
        case 76:
        case 80:
            paintIoState(painter, index, column);
            break;
        case 84:
        case 90:
            paintAnalogue(painter, index, column, false, top);
            break;
        case 87:
        case 93:
            paintAnalogue(painter, index, column, true, top);
            break;
        case 145:
            paintTestDate(painter, index, column);
            break;
        default:
            paintValue(painter, index, column);
            break;
        }
    }
}

QPixmap EventListDelegate::qrCode(const QString &link) const
{
    if (QPixmap *cached = m_qrCodes.object(link))
        return *cached;
    const QPixmap image = QrCodeImage(link, 2).pixmap();
    m_qrCodes.insert(link, new QPixmap(image));
    return image;
}

void EventListDelegate::paintValue(QPainter *painter, const QModelIndex &index, const RoleColumn &column) const
{
    painter->save();
    const int w = frame().width();
    const int p = column.column;
    painter->setPen(m_textPen);
    painter->setFont(FontRepository::instance()->bold15());
    if (column.role == InformationRole) {
        painter->setFont(FontRepository::instance()->bold12());
        painter->drawText(box(132, 6 + RowStep * p, w - 6, 89 + RowStep * p),
                          cutIntoLines(text(index, InformationRole), 20), QTextOption());
        const QString link = text(index, QrTextRole);
        if (!link.isEmpty()) {
            const QPixmap qr = qrCode(link);
            const int shift = qr.height() < 50 ? (50 - qr.height()) / 2 : 0;
            if (!qr.isNull())
                painter->drawPixmap(22, 27 + RowStep * p + shift, qr);
        }
    } else {
        painter->drawText(box(132, 6 + RowStep * p, w - 6, 31 + RowStep * p), text(index, column.role), QTextOption());
    }
    painter->restore();
}

void EventListDelegate::paintIoState(QPainter *painter, const QModelIndex &index, const RoleColumn &column) const
{
    const int w = frame().width();
    const int p = column.column;
    const int d = (w - 157) / 3;
    QRect cell = box(132, 6 + RowStep * p, 131 + d, 31 + RowStep * p);
    if (p == 4)
        cell.setBottom(57 + RowStep * p);
    else if (p == 5)
        cell = box(132, 32 + RowStep * p, 131 + d, 83 + RowStep * p);
    painter->save();
    painter->setPen(m_textPen);
    painter->setFont(FontRepository::instance()->bold15());
    for (int part = 0; part < 3; ++part)
        painter->drawText(cell.translated(d * part, 0), text(index, column.role + 1 + part), m_centredOption);
    painter->setPen(m_linePen);
    for (int part = 1; part < 3; ++part)
        painter->drawLine(132 + d * part, 3 + RowStep * p, 132 + d * part, 81 + RowStep * p);
    painter->restore();
}

void EventListDelegate::paintAnalogue(QPainter *painter, const QModelIndex &index, const RoleColumn &column,
                                      bool rightHand, bool top) const
{
    const int w = frame().width();
    const int m = w / 2;
    const int y = (top ? 4 : 23) + NarrowRowStep * column.column;
    const QRect label = rightHand ? box(m + 2, y, m + 81, y + 24) : box(22, y, 101, y + 24);
    const QRect value = rightHand ? box(m + 80, y, w - 1, y + 24) : box(102, y, m - 1, y + 24);
    painter->save();
    painter->setPen(m_textPen);
    painter->setFont(FontRepository::instance()->normal15());
    painter->drawText(label, text(index, column.role + 1), m_titleOption);
    painter->setFont(FontRepository::instance()->bold15());
    painter->drawText(value, text(index, column.role + 2), m_titleOption);
    painter->setPen(m_linePen);
    painter->drawLine(m, y, m, y + 25);
    painter->restore();
}

void EventListDelegate::paintTestDate(QPainter *painter, const QModelIndex &index, const RoleColumn &column) const
{
    const int m = frame().width() / 2;
    const int y = 4 + NarrowRowStep * column.column;
    const QRect cell = box(102, y, m + 41, y + 24);
    painter->save();
    painter->setPen(m_textPen);
    painter->setFont(FontRepository::instance()->bold15());
    painter->drawText(cell, text(index, column.role), m_titleOption);
    painter->drawText(cell.translated(m, 0), text(index, column.role + 1), m_titleOption);
    painter->setPen(m_linePen);
    painter->drawLine(m + 42, y, m + 42, y + 25);
    painter->restore();
}
