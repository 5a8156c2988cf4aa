#pragma once

#include <QString>
#include <QWidget>

class AUK_90046;
class QLabel;

// The side panel of the fire screen while an alarm delay runs: the time
// left in a frame, the key that starts the investigation delay, a line about
// silenced sounders and a free text. The fire screen feeds it.
class AUK_90050 final : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText)
    Q_PROPERTY(QString title READ title WRITE setTitle)
    Q_PROPERTY(bool delayButtonEnabled READ delayButtonEnabled WRITE setDelayButtonEnabled)

public:
    explicit AUK_90050(QWidget *parent = nullptr);

    QString text() const;
    void setText(const QString &text);
    QString title() const;
    void setTitle(const QString &title);
    bool delayButtonEnabled() const;
    // A disabled key shows nothing and reports no clicks.
    void setDelayButtonEnabled(bool enabled);

    // Seconds beyond a minute carry over; no time left shows blanks, so the
    // frame stays and the digits vanish.
    void setTimeLeft(int minutes, int seconds);
    QString timeLeft() const;
    void setCountdownVisible(bool visible);
    void setSounderInfoText(const QString &text);
    void setSounderInfoVisible(bool visible);

signals:
    void on_delayBtn_clicked();

private:
    QLabel *label(const char *name, const QRect &rect);

    QLabel *m_backdrop;
    QLabel *m_labelText;
    QLabel *m_title;
    QLabel *m_timeLeft;
    QLabel *m_timeFrame;
    AUK_90046 *m_delayBtn;
    QLabel *m_sounderInfoText;
};
