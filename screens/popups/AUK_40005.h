#pragma once

#include "widgets/AUK_20003.h"

class QLabel;

// Asks to confirm restarting the panel or the network: the question, the
// panel, a warning and what the restart does. The creator connects Confirm
// (left) and Cancel (right).
class AUK_40005 final : public AUK_20003
{
    Q_OBJECT

public:
    AUK_40005(const QString &description, const QString &question, const QString &panelText, const QString &warning,
              QWidget *parent);
    // The panel restart's own texts, for the panel given.
    AUK_40005(const QString &panelText, QWidget *parent);

private:
    explicit AUK_40005(QWidget *parent);

    QLabel *m_lblPanelRestartText;
    QLabel *m_lblPanelText;
    QLabel *m_lblWarning;
    QLabel *m_lblPanelRestartDescription;
};
