#include "paneldata/PointTextCache.h"

#include "paneldata/PanelPointStringsFile.h"

#include <QDateTime>
#include <QDebug>

namespace {

constexpr int FirstLanguage = 1;
constexpr int LastFirstPoint = 250;
constexpr int PointsInARun = 251;

bool isValidRun(const PanelPointNamesRecord &record)
{
    return record.firstPoint <= LastFirstPoint && record.pointCount >= 1
           && record.firstPoint + record.pointCount <= PointsInARun;
}

} // namespace

quint32 PointTextCache::cacheKey(TC::panel_t panel, const ChannelAddress &channel, TC::point_t point)
{
    return quint32(panel) << 24 | quint32(channel.byte0()) << 16 | quint32(channel.byte1()) << 8 | point;
}

QString PointTextCache::pointText(TC::panel_t panel, const ChannelAddress &channel, TC::point_t point, int language)
{
    const quint32 key = cacheKey(panel, channel, point);
    const CachedTexts *cached = lookup(key);
    if (!cached) {
        // A point without a name is remembered as such too: a screen that
        // asks for it on every names part of a synchronisation must not
        // read its panel's file, and write the held panel's, each time.
        const PointTextEntry *entry = loadPanel(panel) ? m_texts.find(channel, point) : nullptr;
        insert(key, entry ? entry->firstText : QString(), entry ? entry->secondText : QString());
        cached = lookup(key);
    }
    return language == FirstLanguage ? cached->firstText : cached->secondText;
}

void PointTextCache::updatePointText(TC::panel_t panel, const ChannelAddress &channel, TC::point_t point,
                                     const QString &text, int language)
{
    holdPanel(panel);
    PointTextEntry entry;
    if (const PointTextEntry *held = m_texts.find(channel, point))
        entry = *held;
    entry.channel = channel;
    entry.point = point;
    (language == FirstLanguage ? entry.firstText : entry.secondText) = text;
    m_texts.set(entry);
    writePanel();
    remove(cacheKey(panel, channel, point));
}

void PointTextCache::storePanelTexts(TC::panel_t panel, const QVector<PanelPointNamesRecord> &records)
{
    holdPanel(panel);
    PointTextEntry entry;
    for (const PanelPointNamesRecord &record : records) {
        if (!isValidRun(record)) {
            qWarning().nospace() << "PointTextCache::storePanelTexts"
                                 << " panel " << panel << ": points " << record.firstPoint << " and "
                                 << record.pointCount << " following leave the range; the rest of the part is dropped";
            break;
        }
        entry.channel = ChannelAddress(record.channelByte0, record.channelByte1);
        for (int i = 0; i < record.pointCount; ++i) {
            entry.point = quint8(record.firstPoint + i);
            const QPair<QString, QString> texts = record.texts.value(i);
            entry.firstText = texts.first;
            entry.secondText = texts.second;
            m_texts.set(entry);
            remove(cacheKey(panel, entry.channel, entry.point));
        }
    }
    writeWhenQuiet();
}

bool PointTextCache::loadPanel(TC::panel_t panel)
{
    if (panel == m_texts.loadedPanel())
        return true;
    // The held names go to their file before another panel's take their place.
    flush();
    PanelPointStringsFile file(panel);
    PanelPointStringsContainer texts;
    if (!file.exists() || !file.readContainer(texts))
        return false;
    m_texts = texts;
    m_texts.setLoadedPanel(panel);
    return true;
}

void PointTextCache::holdPanel(TC::panel_t panel)
{
    if (loadPanel(panel))
        return;
    m_texts.clear();
    m_texts.setLoadedPanel(panel);
}

void PointTextCache::writePanel()
{
    m_unwritten = false;
    if (m_quietTimer)
        m_quietTimer->stop();
    PanelPointStringsFile(m_texts.loadedPanel()).writeContainer(m_texts);
}

void PointTextCache::writeWhenQuiet()
{
    m_unwritten = true;
    if (!m_quietTimer) {
        m_quietTimer.reset(SC_Timer::create(nullptr));
        m_quietTimer->setSingleShot(true);
        QObject::connect(m_quietTimer.get(), &SC_Timer::timeout, m_quietTimer.get(), [this] { flush(); });
    }
    m_quietTimer->start(QuietTimeMs);
}

void PointTextCache::flush()
{
    if (m_unwritten)
        writePanel();
}

void PointTextCache::clear()
{
    m_cache.clear();
    m_cacheByAge.clear();
}

void PointTextCache::clearPanel(TC::panel_t panel)
{
    PanelPointStringsFile(panel).removeFiles();
    if (panel == m_texts.loadedPanel() || panel == TC::cAllPanels) {
        m_texts.setLoadedPanel(PanelPointStringsContainer::NoPanel);
        m_texts.clear();
        m_unwritten = false;
        if (m_quietTimer)
            m_quietTimer->stop();
    }
    if (panel == TC::cAllPanels)
        clear();
    else
        forgetCachedPanel(panel);
}

// The other panels' names stay cached: a panel's names page starts with its
// part 0, and a screen showing another panel's event must not read that
// panel's file again for it.
void PointTextCache::forgetCachedPanel(TC::panel_t panel)
{
    for (auto it = m_cacheByAge.begin(); it != m_cacheByAge.end();) {
        if (it->second >> 24 == panel) {
            m_cache.remove(it->second);
            it = m_cacheByAge.erase(it);
        } else {
            ++it;
        }
    }
}

// A full cache makes room by dropping the entry added last, so the names a
// screen asked for first stay.
void PointTextCache::insert(quint32 key, const QString &firstText, const QString &secondText)
{
    if (m_cache.contains(key))
        return;
    if (m_cache.size() >= MaximumCachedTexts && m_cacheByAge.size() > 1) {
        const auto newest = std::prev(m_cacheByAge.end());
        m_cache.remove(newest->second);
        m_cacheByAge.erase(newest);
    }
    const std::pair<qint64, quint64> age{QDateTime::currentMSecsSinceEpoch(), m_insertions++};
    m_cache.insert(key, CachedTexts{age, firstText, secondText});
    m_cacheByAge.emplace(age, key);
}

const PointTextCache::CachedTexts *PointTextCache::lookup(quint32 key) const
{
    const auto found = m_cache.constFind(key);
    return found == m_cache.constEnd() ? nullptr : &found.value();
}

void PointTextCache::remove(quint32 key)
{
    const auto found = m_cache.find(key);
    if (found == m_cache.end())
        return;
    m_cacheByAge.erase(found->age);
    m_cache.erase(found);
}

void PointTextCache::setDefaultTexts(const QString &firstText, const QString &secondText)
{
    m_defaultText1 = firstText;
    m_defaultText2 = secondText;
}

QString PointTextCache::defaultText(int language) const
{
    return language == FirstLanguage ? m_defaultText1 : m_defaultText2;
}
