#pragma once

#include "widgets/Flicker.h"

#include <QString>
#include <QWidget>

class QAbstractItemModel;
class QAbstractItemView;
class QLabel;
class ScrollBar;

// The full-width framed view of the review and report screens: a title, a
// finger-scrolled item view, a scroll indicator and shadows where more rows
// lie above or below. The tree and the table views build on it.
class ReviewFrame : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString title READ title WRITE setTitle)

public:
    QString title() const;
    void setTitle(const QString &title);

signals:
    void scrollUpButtonClicked();
    void scrollDownButtonClicked();
    void scrollUpButtonHeld();
    void scrollDownButtonHeld();
    void updateScrollBarButtons();
    void scrollBarAtStart(bool atStart);
    void scrollBarAtEnd(bool atEnd);

protected:
    explicit ReviewFrame(QWidget *parent);

    // Places the view, hands it to the flicker and follows its scroll bar;
    // on top of the shadows or under the scroll indicator.
    void attachView(QAbstractItemView *view, bool aboveShadows);
    // The flicker learns of rows added and removed.
    void followModel(QAbstractItemModel *model);
    void updateTopDownShadows(int value);

    QLabel *titleLabel() const { return m_title; }
    Flicker &flicker() { return m_flicker; }

private:
    QLabel *m_bg;
    QLabel *m_title;
    ScrollBar *m_scrollBar;
    QLabel *m_bottomShadow;
    QLabel *m_topShadow;
    QAbstractItemView *m_view = nullptr;
    Flicker m_flicker;
};
