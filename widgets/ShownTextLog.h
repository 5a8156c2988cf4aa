#pragma once

#include <QObject>
#include <QString>

class QLabel;

// Writes a line to the engine's log each time the label paints a text it has
// not shown before: what it shows, its lines joined by " | ", and when, in
// microseconds on the system's monotonic clock. Whoever reads the log sees
// what the user saw; a timing script on the same machine stamps its side on
// the same clock. The line follows the painting, so the time is when the
// text was drawn.
class ShownTextLog final : public QObject
{
    Q_OBJECT

public:
    // Watches the label, as its child; 'what' opens each line.
    ShownTextLog(QLabel *label, const QString &what);

    // "<what> shown at monotonic <microseconds> us: <line> | <line>"
    static QString line(const QString &what, qint64 microseconds, const QString &text);
    static qint64 monotonicMicroseconds();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLabel *m_label;
    QString m_what;
    QString m_lastShown;
};
