#include "paneldata/PointTextLines.h"

#include "paneldata/PointTextLineCodec.h"

#include <QDebug>

namespace {

constexpr int LastPoint = 255;

void writeLine(QTextStream &stream, const PointTextEntry &entry)
{
    stream << PointTextLineCodec::encode(entry) << '\n';
}

} // namespace

QTextStream &operator<<(QTextStream &stream, const PanelPointNamesRecord &run)
{
    PointTextEntry entry;
    entry.channel = ChannelAddress(run.channelByte0, run.channelByte1);
    for (int i = 0; i < run.pointCount; ++i) {
        const int point = run.firstPoint + i;
        if (point > LastPoint) {
            qWarning() << "operator<<(PanelPointNamesRecord)"
                       << " points past" << LastPoint << "left out:" << run.pointCount - i;
            break;
        }
        entry.point = quint8(point);
        const QPair<QString, QString> texts = run.texts.value(i);
        entry.firstText = texts.first;
        entry.secondText = texts.second;
        writeLine(stream, entry);
    }
    return stream;
}

QTextStream &operator<<(QTextStream &stream, const PanelPointStringsContainer &texts)
{
    for (const PointTextEntry &entry : texts.entries())
        writeLine(stream, entry);
    return stream;
}

QTextStream &operator>>(QTextStream &stream, PanelPointStringsContainer &texts)
{
    int damaged = 0;
    QString line;
    PointTextEntry entry;
    while (stream.readLineInto(&line)) {
        if (PointTextLineCodec::decode(line, entry))
            texts.add(entry);
        else
            ++damaged;
    }
    if (damaged > 0)
        qWarning() << "operator>>(PanelPointStringsContainer)"
                   << " damaged lines skipped:" << damaged;
    return stream;
}
