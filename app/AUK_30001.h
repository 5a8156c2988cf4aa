#pragma once

#include "widgets/Page.h"

class QLabel;

// The start screen: the full-screen idle picture, the base of the page
// stack, shown whenever the stack is unwound to the bottom. A site's own
// "sleep.png" takes the place of the brand's picture, also when it is
// installed while the engine runs.
class AUK_30001 final : public Page
{
    Q_OBJECT

public:
    explicit AUK_30001(QWidget *parent = nullptr);

    // The picture file in use; empty when there is none.
    QString picturePath() const { return m_picturePath; }

protected:
    bool event(QEvent *event) override;

private:
    void loadPicture();

    QLabel *m_label;
    QString m_picturePath;
};
