#include "widgets/TextLines.h"

#include <QStringList>

QString cutIntoLines(const QString &text, int length)
{
    if (length <= 0)
        return text;
    QStringList pieces;
    for (int start = 0; start < text.size(); start += length)
        pieces << text.mid(start, length);
    return pieces.join(QLatin1Char('\n'));
}
