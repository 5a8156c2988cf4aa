#pragma once

#include "SiteConfiguration.h"
#include "SiteTexts.h"

#include <QByteArray>

// What a panel's point-text file holds once the controller has sent the
// panel's point names: one line per point, channel by channel, in UTF-8.
inline QByteArray expectedPointTextFile(const SitePanel &panel, const SiteTexts &texts)
{
    QByteArray file;
    for (const SiteChannel &channel : panel.channels) {
        for (const SitePoint &point : channel.points) {
            const SiteTexts::Texts names = texts.pointName(point);
            file += QStringLiteral("%1;%2;%3;%4;%5;%6;\n")
                        .arg(channel.kind)
                        .arg(channel.address)
                        .arg(channel.number)
                        .arg(point.point)
                        .arg(names.first, names.second)
                        .toUtf8();
        }
    }
    return file;
}
