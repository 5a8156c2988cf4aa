#pragma once

#include "listscreens/FilterSelector.h"

#include <QModelIndex>
#include <QPointer>
#include <QStandardItemModel>

class FilterModel;

// A single choice among a few fixed rows, each carrying one number in a
// role; a subclass says which rows there are and what the chosen number
// writes to the filter model.
class SingleChoiceSelector : public FilterSelector
{
    Q_OBJECT

public:
    SingleChoiceSelector(FilterModel *model, QButtonGroup *group, const QString &label, int valueRole, QObject *parent);
    ~SingleChoiceSelector() override;

    QWidget *button() override;
    QWidget *filterEditor() override;

public slots:
    void reset(bool disableFilterButton) override;
    void activate() override;
    void deactivate() override;

protected:
    struct Row
    {
        QString text;
        int value;
        bool present;
    };
    // Called once, before the list is shown, while there are no rows.
    virtual void addFirstRows() { }
    // Writes the chosen row's number to the filter model.
    virtual void write(int value) = 0;
    // Replaces the rows by those present, in the order given.
    void setRows(const QVector<Row> &rows);
    // The number of the chosen row, or the fallback with none chosen.
    int chosenValue(int fallback) const;

    QPointer<FilterModel> m_model;

private slots:
    void itemClicked(const QModelIndex &index);

private:
    int m_valueRole;
    QPointer<AUK_90008> m_button;
    QStandardItemModel m_items;
};
