#include "link/RightToLeftText.h"

#include <QStringList>

namespace {

enum WordClass { LeftToRight = 1, RightToLeft = 2, Empty = 3 };

bool isRightToLeftCharacter(QChar c)
{
    const ushort code = c.unicode();
    return ((code >> 8) == 5 && (code & 0x5D0) == 0x5D0) || (code & 0x5E0) == 0x5E0;
}

// Each right-to-left character is a token of its own; runs of other
// characters keep their inner order. The tokens come out last first.
QString reverseTokens(const QString &word)
{
    QStringList tokens;
    QString run;
    for (const QChar c : word) {
        if (isRightToLeftCharacter(c)) {
            if (!run.isEmpty())
                tokens.prepend(run);
            run.clear();
            tokens.prepend(QString(c));
        } else {
            run += c;
        }
    }
    if (!run.isEmpty())
        tokens.prepend(run);
    return tokens.join(QString());
}

QString reorderLine(const QString &line)
{
    const QStringList words = line.split(QLatin1Char(' '));
    QStringList items;
    QStringList pending;
    const auto closePending = [&] {
        if (!pending.isEmpty())
            items.prepend(pending.join(QLatin1Char(' ')));
        pending.clear();
    };
    for (int i = 0; i < words.size(); ++i) {
        const QString &word = words.at(i);
        if (rightToLeftClass(word) == RightToLeft) {
            closePending();
            items.prepend(reverseTokens(word));
        } else {
            pending << word;
            if (i == words.size() - 1)
                closePending();
        }
    }
    return items.join(QLatin1Char(' '));
}

} // namespace

int rightToLeftClass(const QString &word)
{
    if (word.isEmpty())
        return Empty;
    for (const QChar c : word) {
        if (isRightToLeftCharacter(c))
            return RightToLeft;
    }
    return LeftToRight;
}

QString reorderRightToLeft(const QString &text)
{
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString &line : lines)
        line = reorderLine(line);
    return lines.join(QLatin1Char('\n'));
}

QString wrapBidiEmbedding(const QString &text)
{
    const bool rightToLeft = text.isRightToLeft();
    return QChar(rightToLeft ? 0x202B : 0x202A) + text + QChar(rightToLeft ? 0x200F : 0x200E) + QChar(0x202C);
}
