#pragma once

#include "paneldata/PanelPointStringsContainer.h"
#include "paneldata/TCTypes.h"

#include <QString>

// The point names of every panel. They live in one file per panel; the
// file of the panel last asked for is held in memory. Also the default
// names (one per language) of an address that holds no configured point.
class PointTextCache final
{
public:
    static PointTextCache *instance();

    // Language 1 is the first language, any other value the second. Empty
    // when the panel's file does not name the point.
    QString pointText(TC::panel_t panel, const ChannelAddress &channel, TC::point_t point, int language);
    // Forgets the panel's names and deletes its file; 255 every panel's.
    void clearPanel(TC::panel_t panel);

    void setDefaultTexts(const QString &firstText, const QString &secondText);
    QString defaultText(int language) const;

private:
    PointTextCache() = default;

    // Loads the panel's file when another panel is held; false when the
    // panel has no readable file (the held panel then stays).
    bool loadPanel(TC::panel_t panel);

    PanelPointStringsContainer m_texts;
    QString m_defaultText1;
    QString m_defaultText2;
};
