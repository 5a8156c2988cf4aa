#pragma once

#include <QObject>
#include <QString>

class SC_Timer;

// Keeps a flood of like warnings (one per received packet, say) from
// drowning the log and the thread that writes it: the first few of each
// second are written, the rest only counted, and the count is written once
// the second is over.
class SC_WarningSummary final : public QObject
{
    Q_OBJECT

public:
    static constexpr int WrittenPerSecond = 10;
    static constexpr int PeriodMs = 1000;

    // 'where' prefixes the count line, as the warnings' own prefix does.
    explicit SC_WarningSummary(const QString &where, QObject *parent = nullptr);

    void warn(const QString &text);
    // The same for a text that takes formatting: makeText() (returning the
    // QString) is called only when the text is written, so a flood costs a
    // count per warning, not a formatting.
    template <typename MakeText> void warn(MakeText makeText)
    {
        if (admit())
            write(makeText());
    }

private:
    // Counts one warning; true when it is to be written.
    bool admit();
    void write(const QString &text);
    void endPeriod();

    const QString m_where;
    SC_Timer *m_period;
    int m_written = 0;
    int m_counted = 0;
};
