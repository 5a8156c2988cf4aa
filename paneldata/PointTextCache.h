#pragma once

#include "core/SC_Singleton.h"
#include "core/SC_Timer.h"
#include "core/TCTypes.h"
#include "paneldata/PanelPointNamesRecord.h"
#include "paneldata/PanelPointStringsContainer.h"

#include <QHash>
#include <QString>
#include <QVector>

#include <map>
#include <memory>
#include <utility>

// The point names of every panel. They live in one file per panel; the
// file of the panel last asked for is held in memory, and the names asked
// for lately, of any panel, in a bounded cache. Also the default names (one
// per language) of an address that holds no configured point.
//
// A panel's names come in many parts during a synchronisation; its file is
// written once they have arrived (at sync complete, when another panel's
// names are wanted, or after a quiet time), not once per part. Names not
// yet written when the engine stops are not lost: the start empties the
// files anyway, and each connection's engine configuration clears the
// names page's signatures, so the controller sends them again.
class PointTextCache final : public SC_Singleton<PointTextCache>
{
public:
    static constexpr int MaximumCachedTexts = 4000;
    // Without another part for this long, the held panel's file is written.
    static constexpr int QuietTimeMs = 500;

    // Language 1 is the first language, any other value the second. Empty
    // when the panel's file does not name the point; that answer is cached
    // too, until names for the point arrive.
    QString pointText(TC::panel_t panel, const ChannelAddress &channel, TC::point_t point, int language);
    // One name the controller sent on its own; the panel's file is rewritten.
    void updatePointText(TC::panel_t panel, const ChannelAddress &channel, TC::point_t point, const QString &text,
                         int language);
    // The names of one part of the point-names page, merged into what the
    // panel holds (a name sent again replaces the older one); the panel's
    // file is rewritten from the merged set once the parts have arrived. A
    // run that leaves points 0 to 250 ends the part there.
    void storePanelTexts(TC::panel_t panel, const QVector<PanelPointNamesRecord> &records);
    // Writes the held panel's file now if names arrived since it was last
    // written.
    void flush();
    // Empties the cache only.
    void clear();
    // Forgets the panel's names (the cached ones too) and deletes its file;
    // 255 every panel's.
    void clearPanel(TC::panel_t panel);

    void setDefaultTexts(const QString &firstText, const QString &secondText);
    QString defaultText(int language) const;

private:
    friend class SC_Singleton<PointTextCache>;

    struct CachedTexts
    {
        std::pair<qint64, quint64> age;
        QString firstText;
        QString secondText;
    };

    PointTextCache() = default;

    // Loads the panel's file when another panel is held; false when the
    // panel has no readable file (the held panel then stays).
    bool loadPanel(TC::panel_t panel);
    // The panel's names to change: its file, or nothing when it has none.
    void holdPanel(TC::panel_t panel);
    void writePanel();
    void writeWhenQuiet();

    static quint32 cacheKey(TC::panel_t panel, const ChannelAddress &channel, TC::point_t point);
    void insert(quint32 key, const QString &firstText, const QString &secondText);
    const CachedTexts *lookup(quint32 key) const;
    void remove(quint32 key);
    void forgetCachedPanel(TC::panel_t panel);

    PanelPointStringsContainer m_texts;
    bool m_unwritten = false;
    std::unique_ptr<SC_Timer> m_quietTimer;
    QHash<quint32, CachedTexts> m_cache;
    // Insertion time, then insertion order, to key.
    std::map<std::pair<qint64, quint64>, quint32> m_cacheByAge;
    quint64 m_insertions = 0;
    QString m_defaultText1;
    QString m_defaultText2;
};
