#include "widgets/AUK_90028.h"

#include "widgets/FontRepository.h"
#include "widgets/PaletteRepository.h"
#include "widgets/TextLines.h"

#include <QAbstractItemModel>
#include <QCoreApplication>
#include <QPainter>

namespace {

constexpr int PanelRole = 176;
constexpr int PanelNumberRole = 33;
constexpr int NameRole = 59;
constexpr int InformationRole = 64;
constexpr int RbusRole = 42;
constexpr int RowStep = 26;

const QVector<int> kFireRows = {PanelRole, 58, 62, NameRole, 60, 63, InformationRole};
const QVector<int> kZoneRows = {PanelRole, 58, NameRole, InformationRole};

QRect box(int left, int top, int right, int bottom)
{
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

} // namespace

AUK_90028::AUK_90028(QObject *parent, bool hideInformation, bool rbusMode, bool logicalZones, bool locationTitles)
    : RolesCardDelegate(QStringLiteral("AUK_80036_EN54_eventlog_info_card.png"), parent)
    , m_hideInformation(hideInformation)
    , m_rbusMode(rbusMode)
    , m_logicalZones(logicalZones)
    , m_locationTitles(locationTitles)
{
}

QString AUK_90028::rowTitle(int role) const
{
    switch (role) {
    case PanelRole:
        return QCoreApplication::translate("AUK_90028", "_PANEL_FIRETITLE");
    case 58:
        return QCoreApplication::translate("AUK_90028", "_ZONE_FIRETITLE");
    case 62:
        return QCoreApplication::translate("AUK_90028", "_ADDRESS_FIRETITLE");
    case NameRole:
        if (zoneView)
            return QCoreApplication::translate("AUK_90028", "_FIRES_IN_ZONE_FIRETITLE");
        return m_locationTitles ? QCoreApplication::translate("AUK_90028", "_LOCATION_FIRETITLE")
                                : QCoreApplication::translate("AUK_90028", "_NAME_FIRETITLE");
    case 60:
        return QCoreApplication::translate("AUK_90028", "_DEVICE_FIRETITLE");
    case 63:
        return QCoreApplication::translate("AUK_90028", "_EVENT_FIRETITLE");
    case InformationRole:
        return QCoreApplication::translate("AUK_90028", "_INFORMATION_FIRETITLE");
    default:
        return QStringLiteral("-");
    }
}

QVector<int> AUK_90028::shownRows(const QModelIndex &index) const
{
    const bool hideInformation = m_hideInformation || m_rbusMode;
    const bool rbusNegative = m_rbusMode && index.data(RbusRole).toLongLong() < 0;
    const bool hidePanel = index.data(PanelNumberRole).toUInt() == 0 || (m_logicalZones && !rbusNegative);
    QVector<int> rows;
    for (int role : zoneView ? kZoneRows : kFireRows) {
        if ((role == InformationRole && hideInformation) || (role == PanelRole && hidePanel))
            continue;
        rows.append(role);
    }
    return rows;
}

QString AUK_90028::cardTitle(const QModelIndex &index) const
{
    if (!zoneView)
        return QCoreApplication::translate("AUK_90028", "_FIRE_FIRECARD");
    if (index.row() == 0)
        return QCoreApplication::translate("AUK_90028", "_LAST_FIRE_FIRECARD");
    const QAbstractItemModel *model = index.model();
    if (model && index.row() == model->rowCount(index.parent()) - 1)
        return QCoreApplication::translate("AUK_90028", "_FIRST_FIRE_FIRECARD");
    return QCoreApplication::translate("AUK_90028", "_FIRE_FIRECARD");
}

void AUK_90028::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const QVector<int> rows = shownRows(index);
    const int w = frame().width();
    painter->save();
    painter->translate(option.rect.topLeft());
    painter->drawPixmap(0, 0, frame());

    const QFont titleFont = FontRepository::instance()->normal22b();
    painter->setFont(titleFont);
    painter->setPen(PaletteRepository::white());
    painter->drawText(box(5, 100, 84, 189), Qt::AlignCenter | Qt::TextWordWrap, cardTitle(index));

    painter->setPen(PaletteRepository::lightGrey());
    for (int i = 0; i < rows.size(); ++i)
        painter->drawLine(95, 32 + RowStep * i, w - 7, 32 + RowStep * i);

    painter->setPen(PaletteRepository::darkGrey());
    painter->drawText(box(95, 7, 240, 32), QCoreApplication::translate("AUK_90028", "_DATE_TIME_FIRETITLE"),
                      QTextOption());
    for (int k = 0; k < rows.size(); ++k)
        painter->drawText(box(95, 33 + RowStep * k, 240, 58 + RowStep * k), rowTitle(rows.at(k)), QTextOption());

    painter->setFont(FontRepository::instance()->boldItalic20());
    painter->drawText(box(246, 7, w - 6, 31), index.data(zoneView ? 57 : 56).toString(), QTextOption());
    for (int k = 0; k < rows.size(); ++k) {
        const int role = rows.at(k);
        if (role == InformationRole) {
            painter->setFont(FontRepository::instance()->bold15());
            painter->drawText(box(246, 33 + RowStep * k, w - 6, 117 + RowStep * k),
                              cutIntoLines(index.data(role).toString(), 20), QTextOption());
        } else {
            painter->drawText(box(246, 33 + RowStep * k, w - 6, 58 + RowStep * k), index.data(role).toString(),
                              QTextOption());
        }
    }
    painter->restore();
}
