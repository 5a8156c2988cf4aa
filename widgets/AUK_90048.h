#pragma once

#include "widgets/Flicker.h"

#include <QItemSelection>
#include <QModelIndexList>
#include <QPixmap>
#include <QSize>
#include <QWidget>

#include <memory>

class AUK_90048_ItemDelegateFactory;
class QAbstractItemDelegate;
class QAbstractItemModel;
class QLabel;
class QListView;
class ScrollBar;

// The large selectable list: a vertical list in a frame image with a scroll
// indicator, top and bottom shadows where more rows lie, an optional header
// strip, and an optional select-all first row. Its six frames (short or
// tall, narrow or wide, with or without header) size the whole widget.
class AUK_90048 final : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(int delegateHeight READ delegateHeight WRITE setDelegateHeight)
    Q_PROPERTY(QPixmap delegateCheckedImage READ delegateCheckedImage WRITE setDelegateCheckedImage)
    Q_PROPERTY(QPixmap delegateUncheckedImage READ delegateUncheckedImage WRITE setDelegateUncheckedImage)
    Q_PROPERTY(bool shortListview READ shortListview WRITE setShortListview)
    Q_PROPERTY(bool showHeader READ showHeader WRITE setShowHeader)
    Q_PROPERTY(bool wideListView READ wideListView WRITE setWideListView)
    Q_PROPERTY(bool firstItemSelectAll READ firstItemSelectAll WRITE setFirstItemSelectAll)

public:
    explicit AUK_90048(QWidget *parent = nullptr);
    ~AUK_90048() override;

    QListView *listView() const;
    QWidget *headerWidget() const;

    // Builds the row delegate (from the factory when there is one, else a
    // selector delegate from the properties) and shows the model with it.
    void installSelectorDelegate(QAbstractItemModel *model);
    // The list does not own the given delegate.
    void replaceDelegate(QAbstractItemModel *model, QAbstractItemDelegate *delegate);
    void setModelAndDelegate(QAbstractItemModel *model, QAbstractItemDelegate *delegate);
    void setItemDelegateFactory(AUK_90048_ItemDelegateFactory *factory);
    void setFlickerPageOffset(int offset);
    // The list's kinetic scroller, for bringing a row into view.
    Flicker *flicker() { return &m_flicker; }
    void selectRow(const QModelIndex &index);
    // The real items chosen: a selected select-all row is not counted.
    int selectedCount() const;
    QSize checkImageSize() const;

    int delegateHeight() const;
    void setDelegateHeight(int height);
    QPixmap delegateCheckedImage() const;
    void setDelegateCheckedImage(const QPixmap &image);
    QPixmap delegateUncheckedImage() const;
    void setDelegateUncheckedImage(const QPixmap &image);
    bool shortListview() const;
    void setShortListview(bool shortList);
    bool showHeader() const;
    void setShowHeader(bool show);
    bool wideListView() const;
    void setWideListView(bool wide);
    bool firstItemSelectAll() const;
    void setFirstItemSelectAll(bool selectAll);

signals:
    void selectionChanged(const QModelIndexList &newSelection);
    void scrollUpButtonClicked();
    void scrollDownButtonClicked();
    void scrollUpButtonHeld();
    void scrollDownButtonHeld();
    void updateScrollBarButtons();
    void scrollBarAtStart(bool atStart);
    void scrollBarAtEnd(bool atEnd);

protected slots:
    void on_list_clicked(const QModelIndex &index);
    void updateTopBottomShadows(int value);
    void onSelectionChange(const QItemSelection &selected, const QItemSelection &deselected);

private:
    void applyLayout();
    void updateCheckImageSize();
    void takeDelegate(QAbstractItemDelegate *delegate, QAbstractItemModel *model);

    QLabel *m_bg;
    QListView *m_list;
    ScrollBar *m_scrollBar;
    QLabel *m_topShadow;
    QLabel *m_bottomShadow;
    QWidget *m_header;
    Flicker m_flicker;
    AUK_90048_ItemDelegateFactory *m_delegateFactory = nullptr;
    std::unique_ptr<QAbstractItemDelegate> m_ownedDelegate;
    int m_delegateHeight = -1;
    QPixmap m_delegateCheckedImage;
    QPixmap m_delegateUncheckedImage;
    QSize m_checkImageSize{-1, -1};
    bool m_shortListview = true;
    bool m_showHeader = false;
    bool m_firstItemSelectAll = false;
    bool m_wideListView = false;
};
