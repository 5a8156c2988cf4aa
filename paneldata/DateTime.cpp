#include "paneldata/DateTime.h"

#include "core/GlobalConstants.h"
#include "core/Languages.h"
#include "core/SC_Timer.h"
#include "core/TeskGlobalConfig.h"

#include <QCoreApplication>
#include <QLocale>

#include <array>
#include <ctime>

namespace {

qint64 systemClock()
{
    return qint64(std::time(nullptr));
}

DateTime::Clock s_clock = systemClock;
// PC Unix time minus panel Unix time.
qint64 s_offset = 0;
QString s_lastDateSent;

constexpr int TickMs = 1000;
constexpr int DigitalDateFormat = 1;
// Finnish writes the month of the common date-time format as a word.
constexpr int FinnishLanguage = 28;

const std::array<const char *, 12> fireInfoMonths{
    QT_TRANSLATE_NOOP("Translator", "_JAN_FIREINFO"), QT_TRANSLATE_NOOP("Translator", "_FEB_FIREINFO"),
    QT_TRANSLATE_NOOP("Translator", "_MAR_FIREINFO"), QT_TRANSLATE_NOOP("Translator", "_APR_FIREINFO"),
    QT_TRANSLATE_NOOP("Translator", "_MAY_FIREINFO"), QT_TRANSLATE_NOOP("Translator", "_JUN_FIREINFO"),
    QT_TRANSLATE_NOOP("Translator", "_JUL_FIREINFO"), QT_TRANSLATE_NOOP("Translator", "_AUG_FIREINFO"),
    QT_TRANSLATE_NOOP("Translator", "_SEP_FIREINFO"), QT_TRANSLATE_NOOP("Translator", "_OCT_FIREINFO"),
    QT_TRANSLATE_NOOP("Translator", "_NOV_FIREINFO"), QT_TRANSLATE_NOOP("Translator", "_DEC_FIREINFO"),
};

// The February key is spelled as the translation files have it.
const std::array<const char *, 12> longMonths{
    QT_TRANSLATE_NOOP("Translator", "_JANUARY_9_CHAR"),   QT_TRANSLATE_NOOP("Translator", "_FEBUARY_9_CHAR"),
    QT_TRANSLATE_NOOP("Translator", "_MARCH_9_CHAR"),     QT_TRANSLATE_NOOP("Translator", "_APRIL_9_CHAR"),
    QT_TRANSLATE_NOOP("Translator", "_MAY_9_CHAR"),       QT_TRANSLATE_NOOP("Translator", "_JUNE_9_CHAR"),
    QT_TRANSLATE_NOOP("Translator", "_JULY_9_CHAR"),      QT_TRANSLATE_NOOP("Translator", "_AUGUST_9_CHAR"),
    QT_TRANSLATE_NOOP("Translator", "_SEPTEMBER_9_CHAR"), QT_TRANSLATE_NOOP("Translator", "_OCTOBER_9_CHAR"),
    QT_TRANSLATE_NOOP("Translator", "_NOVEMBER_9_CHAR"),  QT_TRANSLATE_NOOP("Translator", "_DECEMBER_9_CHAR"),
};

QString twoDigits(int value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

} // namespace

DateTime::DateTime()
    : m_timer(SC_Timer::create(this))
{
    connect(m_timer, &SC_Timer::timeout, this, &DateTime::clientUpdater);
    m_timer->start(TickMs);
}

void DateTime::clientUpdater()
{
    const QDateTime now = panelDateTime();
    const QString time = now.toString(TeskGlobalConfig::instance()->getTimeFormat());
    const QString date = formatDate(now);
    emit UI_UpdateTime(time);
    if (date != s_lastDateSent) {
        s_lastDateSent = date;
        emit UI_UpdateDate(date);
    }
}

void DateTime::setPanelTime(qint64 panelSeconds)
{
    const qint64 difference = s_clock() - PanelEpoch - panelSeconds;
    if (qAbs(difference) > 2)
        s_offset = difference;
}

QDateTime DateTime::panelDateTime()
{
    const quint32 unixTime = quint32(s_clock() - s_offset);
    return QDateTime::fromSecsSinceEpoch(unixTime).toUTC();
}

qint64 DateTime::offset()
{
    return s_offset;
}

QDateTime DateTime::fromPanelSeconds(quint32 panelSeconds)
{
    return QDateTime::fromSecsSinceEpoch(quint32(panelSeconds + quint32(PanelEpoch)), Qt::LocalTime);
}

quint32 DateTime::toPanelSeconds(const QDateTime &value)
{
    return quint32(value.toSecsSinceEpoch() - PanelEpoch);
}

QString DateTime::fireInfoDateTime(qint64 panelSeconds)
{
    const std::time_t unixTime = std::time_t(panelSeconds + PanelEpoch);
    std::tm parts{};
    if (!localtime_r(&unixTime, &parts) || parts.tm_mon < 0 || parts.tm_mon > 11)
        return QStringLiteral("-");
    const QString month = QCoreApplication::translate("Translator", fireInfoMonths[parts.tm_mon]);
    return QStringLiteral("%3-%2-%1 %4:%5:%6")
        .arg(QString::number(parts.tm_year + 1900), month, QString::number(parts.tm_mday), twoDigits(parts.tm_hour),
             twoDigits(parts.tm_min), twoDigits(parts.tm_sec));
}

QString DateTime::monthName(int month)
{
    if (month < 0 || month > 11)
        return {};
    return QCoreApplication::translate("Translator", longMonths[month]);
}

QString DateTime::formatDate(const QDateTime &value)
{
    const QLocale locale = Languages::currentLanguageLocale();
    if (TeskGlobalConfig::instance()->getDateFormat() == DigitalDateFormat)
        return locale.toString(value, QStringLiteral("dd:MM:yyyy"));
    return locale.toString(value, QStringLiteral("d ")) + monthName(value.date().month() - 1)
           + locale.toString(value, QStringLiteral(" yyyy"));
}

QString DateTime::formatDateTime(const QDateTime &value, const QString &format)
{
    const QLocale locale;
    const TeskGlobalConfig *config = TeskGlobalConfig::instance();
    if (config->getLanguage(config->getCurrentLang()) == FinnishLanguage
        && format == QLatin1String(GlobalConstants::dateTimeFormat))
        return locale.toString(value, QStringLiteral("ddd, dd-")) + monthName(value.date().month() - 1)
               + locale.toString(value, QStringLiteral("-yy hh:mm:ss"));
    return locale.toString(value, format);
}

void DateTime::setClock(Clock clock)
{
    s_clock = clock ? clock : systemClock;
}

void DateTime::resetOffset()
{
    s_offset = 0;
    s_lastDateSent.clear();
}
