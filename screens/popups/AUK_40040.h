#pragma once

#include "widgets/AUK_20003.h"

struct MessagePopupForm;
class QFont;

// The small message popup: up to three lines of text from the shared
// message tables or free text, OK on the left and Cancel on the right. It
// doubles as a waiting notice that actionCompleted() turns into a result.
class AUK_40040 : public AUK_20003
{
    Q_OBJECT

public:
    AUK_40040(QWidget *parent, bool connectButtons, bool closeOnCompletion);
    ~AUK_40040() override;

    void setTopMessage(int id);
    void setMiddleMessage(int id, bool wide);
    void setBottomMessage(int id);
    void setTopText(const QString &text);
    void setMiddleText(const QString &text);
    void setBottomText(const QString &text);
    void setMiddleFont(const QFont &font);
    void setBottomFont(const QFont &font);
    void setMiddleVisible(bool visible);
    void setBottomVisible(bool visible);
    void setCompletionMessages(int successId, int failureId);
    void setShowMainScreenOnCancel(bool show);
    void hideButtons();
    void showCloseButtonOnly();

public slots:
    void cancelClicked();
    void okClicked();
    void actionCompleted(bool ok);

private:
    MessagePopupForm *m_form;
    bool m_connectButtons;
    bool m_closeOnCompletion;
    bool m_showMainScreenOnCancel = false;
    int m_successMessageId = 0;
    int m_failureMessageId = 0;
};
