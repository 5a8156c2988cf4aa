#pragma once

#include "SiteConfiguration.h"

#include <QMap>
#include <QPair>
#include <QString>
#include <QVector>

// The names and texts of an emulated site, in its first and second
// language, and the code page each language's texts are sent in.
struct SiteDeviceType
{
    quint8 type = 0;
    QString tag;
    QPair<QString, QString> description;
    // The word a point's name uses for the device.
    QPair<QString, QString> word;
};

struct SiteDeviceUse
{
    quint16 id = 0;
    quint8 kind = 0;
    quint8 deviceType = 0;
    QString text;
};

struct SiteTexts
{
    using Texts = QPair<QString, QString>;

    quint16 firstCodePage = 850;
    quint16 secondCodePage = 850;
    // By zone number, the same on every panel.
    QMap<quint8, Texts> zoneNames;
    QVector<SiteDeviceType> deviceTypes;
    // Information messages by number.
    QMap<quint8, Texts> informationTexts;
    QMap<quint16, Texts> eventNames;
    QVector<SiteDeviceUse> deviceUses;

    Texts pointName(const SitePoint &point) const;
    Texts loopName(quint8 loop) const;
    // The text's bytes in its language's code page; characters the code
    // page lacks become '?'.
    QByteArray encode(const QString &text, int language) const;

    // English first, German second, both in code page 850.
    static SiteTexts demo();
};
