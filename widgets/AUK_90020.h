#pragma once

#include "widgets/Flicker.h"

#include <QWidget>

class QAbstractItemModel;
class QLabel;
class QListView;

// The small list: a horizontal strip of items in a 314 x 346 frame with
// left and right shadows and an optional header with a right-aligned text.
class AUK_90020 final : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(bool showHeader READ showHeader WRITE setShowHeader)

public:
    explicit AUK_90020(QWidget *parent = nullptr);

    QListView *listView() const;
    QWidget *headerWidget() const;
    void setModel(QAbstractItemModel *model);
    void setHeaderText(const QString &text);

    bool showHeader() const;
    void setShowHeader(bool show);

private slots:
    void updateLeftRightShadows(int value);

private:
    void applyHeaderLayout();

    QLabel *m_bg;
    QListView *m_list;
    QLabel *m_leftShadow;
    QLabel *m_rightShadow;
    QWidget *m_header;
    QLabel *m_headerText = nullptr;
    Flicker m_flicker;
    bool m_showHeader = true;
};
