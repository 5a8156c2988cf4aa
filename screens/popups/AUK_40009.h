#pragma once

#include "core/FaultsLevel.h"
#include "core/TCTypes.h"
#include "widgets/AUK_20003.h"

#include <QPersistentModelIndex>
#include <QPointer>

class AUK_90003;
class QAbstractItemModel;

// Asks whether a disable or enable applies to the selected item of a list
// (a point, a zone or a panel, by the kind of list) or to every item, and
// shows how many that would be. Built with a count below 0 it carries the
// action out itself over the rows of the index's model; otherwise OK hands
// the choice back through selectedItem and the list screen acts.
class AUK_40009 final : public AUK_20003
{
    Q_OBJECT

public:
    // Types 0 to 33 name the lists that open the popup; see the type table
    // in the source.
    static constexpr int TypeCount = 34;

    AUK_40009(int type, const QPersistentModelIndex &index, bool statusRequestFlag, int count, TC::eFaultsLevel level,
              QWidget *parent);
    ~AUK_40009() override;

signals:
    void selectedItem(const QPersistentModelIndex &index, TC::eFaultsLevel level, bool selected);

public slots:
    void Ok();
    void Cancel();
    void checkSelectionAndEmit();

private:
    void applyType();

    AUK_90003 *m_selectedItem;
    AUK_90003 *m_allItem;
    QPersistentModelIndex m_index;
    // The list's model; the popup acts on nothing once it is gone.
    QPointer<const QAbstractItemModel> m_model;
    int m_type;
    int m_count;
    TC::eFaultsLevel m_level;
    bool m_statusRequestFlag;
};
