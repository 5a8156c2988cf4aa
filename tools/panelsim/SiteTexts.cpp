#include "SiteTexts.h"

#include <QTextCodec>

SiteTexts::Texts SiteTexts::pointName(const SitePoint &point) const
{
    Texts word{QStringLiteral("Device"), QStringLiteral("Gerät")};
    for (const SiteDeviceType &device : deviceTypes) {
        if (device.type == point.deviceType)
            word = device.word;
    }
    const Texts zone = zoneNames.value(
        point.zone, {QStringLiteral("Zone %1").arg(point.zone), QStringLiteral("Bereich %1").arg(point.zone)});
    return {QStringLiteral("%1 %2 %3").arg(zone.first, word.first).arg(point.point),
            QStringLiteral("%1 %2 %3").arg(zone.second, word.second).arg(point.point)};
}

SiteTexts::Texts SiteTexts::loopName(quint8 loop) const
{
    return {QStringLiteral("Loop %1").arg(loop), QStringLiteral("Ringleitung %1").arg(loop)};
}

QByteArray SiteTexts::encode(const QString &text, int language) const
{
    const quint16 codePage = language == 1 ? firstCodePage : secondCodePage;
    QTextCodec *codec = QTextCodec::codecForName(QStringLiteral("IBM%1").arg(codePage).toLatin1());
    if (!codec)
        codec = QTextCodec::codecForName(QStringLiteral("windows-%1").arg(codePage).toLatin1());
    if (!codec) {
        qWarning("panelsim: no code page %d; texts sent as Latin-1", codePage);
        return text.toLatin1();
    }
    return codec->fromUnicode(text);
}

SiteTexts SiteTexts::demo()
{
    SiteTexts texts;
    const QVector<Texts> zones = {
        {"Reception", "Empfang"},      {"Main hall", "Haupthalle"},     {"Café", "Café"},
        {"Kitchen", "Küche"},          {"Stairs north", "Treppe Nord"}, {"Stairs south", "Treppe Süd"},
        {"Offices 1", "Büros 1"},      {"Offices 2", "Büros 2"},        {"Meeting rooms", "Besprechungsräume"},
        {"Plant room", "Technikraum"}, {"Workshop", "Werkstatt"},       {"Store", "Lager"},
        {"Loading bay", "Laderampe"},  {"Car park 1", "Parkdeck 1"},    {"Car park 2", "Parkdeck 2"},
        {"Server room", "Serverraum"}, {"Boiler house", "Heizhaus"},    {"Roof plant", "Dachzentrale"},
        {"Corridor east", "Flur Ost"}, {"Gate house", "Pförtnerhaus"},
    };
    for (int zone = 1; zone <= zones.size(); ++zone)
        texts.zoneNames.insert(quint8(zone), zones.at(zone - 1));
    texts.deviceTypes = {
        {1, "OPT", {"Optical smoke detector", "Optischer Rauchmelder"}, {"smoke", "Rauch"}},
        {2, "MCP", {"Manual call point", "Handfeuermelder"}, {"call point", "Druckknopf"}},
        {3, "SND", {"Sounder", "Signalgeber"}, {"sounder", "Sirene"}},
        {10, "I/O", {"Input/output module", "Ein-/Ausgabemodul"}, {"module", "Modul"}},
        {20, "HEAT", {"Heat detector", "Wärmemelder"}, {"heat", "Wärme"}},
        {200, "VIN", {"Virtual input", "Virtueller Eingang"}, {"input", "Eingang"}},
    };
    texts.informationTexts = {
        {0, {"Leave by the nearest exit", "Gebäude über den nächsten Ausgang verlassen"}},
        {1, {"Call the fire brigade:\n112", "Feuerwehr rufen:\n112"}},
        {2, {"Assembly point: car park", "Sammelplatz: Parkplatz"}},
    };
    texts.eventNames = {
        {1, {"Fire", "Feuer"}},   {2, {"Fault", "Störung"}},   {3, {"Disablement", "Abschaltung"}},
        {4, {"Test", "Prüfung"}}, {5, {"Warning", "Warnung"}},
    };
    texts.deviceUses = {
        {1, 1, 1, "Smoke detection"}, {2, 1, 2, "Manual alarm"},  {3, 2, 10, "Door control"},
        {4, 3, 10, "Door holder"},    {5, 3, 10, "Door release"}, {6, 1, 3, "Alarm sounder"},
    };
    return texts;
}
