#pragma once

#include "widgets/AUK_20003.h"

class QLabel;

// What a commissioning task shows while it waits for the panel: a title, one
// line saying what it waits for and a key to cancel, which the task's
// response manager connects.
class AUK_40029 : public AUK_20003
{
    Q_OBJECT
    Q_PROPERTY(QString progressText READ progressText WRITE setProgressText)

public:
    explicit AUK_40029(QWidget *parent);

    QString progressText() const;
    void setProgressText(const QString &text);
    // 1 loop shutting down, 2 polling address 255, 3 waiting for the
    // operation, 4 waiting for the panel; any other id clears the line.
    void setMessage(int id);

private:
    QLabel *m_label;
};
