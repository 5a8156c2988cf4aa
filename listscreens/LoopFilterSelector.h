#pragma once

#include "listscreens/FilterSelector.h"
#include "listscreens/PeripheralAddress.h"

#include <QList>
#include <QModelIndex>
#include <QPointer>

#include <memory>

class FilterModel;
class QStandardItemModel;

// The choice of one loop of the chosen panel, written to the filter model
// as the channel address of the points to list. A rebuild for the same
// panel chooses the same loop again.
class LoopFilterSelector final : public FilterSelector
{
    Q_OBJECT

public:
    static constexpr int NoLoop = 257;
    static constexpr quint8 AllLoops = 255;

    LoopFilterSelector(FilterModel *model, QButtonGroup *group, bool storeClickedLoop, QObject *parent);
    ~LoopFilterSelector() override;

    QWidget *button() override;
    QWidget *filterEditor() override;

    // The chosen loop, NoLoop with none.
    int selectedLoop() const;
    // Chooses the loop's row as if the program had clicked it.
    void selectLoop(quint8 loop);
    // The all row from the next rebuild on; an empty text drops it.
    void setAllEntry(const QString &text, quint8 value);
    void clearAllEntry();

public slots:
    void reset(bool disableFilterButton) override;
    void activate() override;
    void deactivate() override;
    void updateModel();
    void itemClicked(const QModelIndex &index);
    void setupAllEntry();

private:
    QStandardItemModel *shownLoops() const;
    void showLoops();
    static TC::peripheralAddress_t peripheralAddressForIndex(const QModelIndex &index, bool *ok);
    QList<TC::peripheralAddress_t> selectedPeripheralAddresses() const;

    QPointer<AUK_90008> m_button;
    QPointer<FilterModel> m_model;
    int m_lastPanel = -1;
    std::unique_ptr<QString> m_allText;
    quint8 m_allValue = 0;
    bool m_storeClickedLoop;
};
