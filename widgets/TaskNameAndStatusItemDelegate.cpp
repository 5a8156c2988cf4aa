#include "widgets/TaskNameAndStatusItemDelegate.h"

#include "widgets/FontRepository.h"
#include "widgets/PaletteRepository.h"

#include <QCoreApplication>
#include <QPainter>
#include <QTime>

namespace {

constexpr int HighlightRole = 32;
constexpr int StatusRole = 4;
constexpr int TaskIndexRole = 75;

QString errorText()
{
    return QStringLiteral("ERROR!");
}

// The background with the text drawn on it, centred.
QPixmap lettered(const QPixmap &background, const QString &text, const QColor &colour, const QFont &font)
{
    QPixmap badge = background;
    if (badge.isNull())
        return badge;
    QPainter painter(&badge);
    painter.setPen(colour);
    painter.setFont(font);
    painter.drawText(badge.rect(), Qt::AlignCenter, text);
    return badge;
}

// Tasks whose status is a time of day, in seconds after midnight.
bool isTimedTask(int taskIndex)
{
    return taskIndex == 8 || taskIndex == 16 || taskIndex == 17;
}

bool isInteger(const QVariant &value)
{
    switch (value.userType()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
        return true;
    default:
        return false;
    }
}

} // namespace

TaskNameAndStatusItemDelegate::TaskNameAndStatusItemDelegate(int rowWidth, int rowHeight,
                                                             const QPixmap &badgeBackground,
                                                             const QPixmap &offBadgeBackground, const QSize &iconSize,
                                                             QObject *parent)
    : QAbstractItemDelegate(parent)
    , m_rowWidth(rowWidth)
    , m_rowHeight(rowHeight)
    , m_badgeBackground(badgeBackground)
    , m_offBadge(lettered(offBadgeBackground,
                          QCoreApplication::translate("TaskNameAndStatusItemDelegate", "_OFF_100_40_INFOTEXTSTYLE"),
                          PaletteRepository::darkGrey(), FontRepository::instance()->normal15()))
    , m_iconSize(iconSize)
{
}

TaskNameAndStatusItemDelegate::~TaskNameAndStatusItemDelegate() = default;

QSize TaskNameAndStatusItemDelegate::sizeHint(const QStyleOptionViewItem &, const QModelIndex &) const
{
    return QSize(m_rowWidth, m_rowHeight);
}

QPixmap TaskNameAndStatusItemDelegate::textBadge(const QString &text) const
{
    return lettered(m_badgeBackground, text, PaletteRepository::white(), FontRepository::instance()->normal15());
}

const QPixmap &TaskNameAndStatusItemDelegate::onBadge() const
{
    if (!m_onBadge)
        m_onBadge = std::make_unique<QPixmap>(
            textBadge(QCoreApplication::translate("TaskNameAndStatusItemDelegate", "_ON_100_40_INFOTEXTSTYLE")));
    return *m_onBadge;
}

QPixmap TaskNameAndStatusItemDelegate::badge(const QModelIndex &index) const
{
    const QVariant status = index.data(StatusRole);
    if (!status.isValid())
        return textBadge(errorText());
    if (status.userType() == QMetaType::Bool)
        return status.toBool() ? onBadge() : m_offBadge;
    if (status.userType() == QMetaType::QString) {
        // A status without words means only that the task is on.
        const QString text = status.toString();
        return text.isEmpty() ? onBadge() : textBadge(text);
    }
    if (isTimedTask(index.data(TaskIndexRole).toInt()) && isInteger(status)) {
        const int seconds = status.toInt();
        if (seconds == 0)
            return m_offBadge;
        return textBadge(QTime(0, 0).addSecs(seconds).toString(QStringLiteral("hh:mm")));
    }
    return textBadge(errorText());
}

void TaskNameAndStatusItemDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                                          const QModelIndex &index) const
{
    const int w = option.rect.width();
    const int h = option.rect.height();
    const bool highlighted = index.data(HighlightRole).toBool();
    painter->save();
    painter->translate(option.rect.topLeft());
    painter->setFont(FontRepository::instance()->bold15());
    painter->fillRect(QRect(0, 0, w, h), highlighted ? PaletteRepository::darkGrey() : PaletteRepository::white());
    const QPixmap shown = badge(index);
    painter->drawPixmap(w - shown.width() - 5, (h - shown.height()) / 2, shown);
    painter->setPen(QPen(PaletteRepository::midGrey(), 1));
    painter->drawLine(0, h - 1, w, h - 1);
    painter->setPen(highlighted ? PaletteRepository::white() : PaletteRepository::darkGrey());
    const QVariant name = index.data(Qt::DisplayRole);
    painter->drawText(QRect(QPoint(5, 0), QPoint(w - shown.width() - 11, h - 2)),
                      Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap,
                      name.isValid() ? name.toString() : errorText());
    painter->restore();
}
