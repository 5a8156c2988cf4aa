#pragma once

#include "widgets/AUK_20001.h"

class QLabel;

// How to log on: a picture of the key switch and the card reader, with
// Cancel to close it.
class AUK_40025 final : public AUK_20001
{
    Q_OBJECT

public:
    explicit AUK_40025(QWidget *parent);

public slots:
    void cancelClicked();

private:
    QLabel *m_lblBG;
    QLabel *m_lblIcon;
    QLabel *m_lblHelp;
};
