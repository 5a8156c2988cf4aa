#pragma once

#include "listscreens/FilterSelector.h"

#include <QModelIndexList>
#include <QPointer>
#include <QStandardItemModel>
#include <QVector>

class FilterModel;

// A multiple choice whose rows each carry one bit: the bits of the chosen
// rows, ORed, become one mask of the filter model. The subclasses differ
// only in their rows, texts and the mask they write, given as a table.
class MaskSelector : public FilterSelector
{
    Q_OBJECT

public:
    struct Row
    {
        const char *key;
        int bit;
    };
    struct Kind
    {
        // The translation context of every key below.
        const char *context;
        const char *buttonKey;
        // Shown after the count when several rows are chosen.
        const char *severalKey;
        const char *editorName;
        int bitRole;
        int FilterModel::*mask;
        QVector<Row> rows;
    };

    MaskSelector(const Kind &kind, FilterModel *model, QButtonGroup *group, QObject *parent);
    ~MaskSelector() override;

    QWidget *button() override;
    QWidget *filterEditor() override;

public slots:
    void reset(bool disableFilterButton) override;
    void activate() override;
    void deactivate() override;
    void editorSelectionChanged(const QModelIndexList &selected);

protected:
    // Read when the editor is built: whether the list starts with the all row.
    bool m_showAll = true;

private:
    QString translated(const char *key) const;

    const Kind &m_kind;
    QPointer<FilterModel> m_model;
    QPointer<AUK_90008> m_button;
    QStandardItemModel m_rows;
};
