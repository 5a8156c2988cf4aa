#pragma once

#include "listscreens/CardViewBasedViewer.h"

#include <initializer_list>

class AUK_90003;
class AUK_90022;
class QAbstractItemDelegate;
class QAbstractItemModel;

// A viewer of an event list shown as cards. The host swaps the list's model
// and delegate as the user changes what the list shows.
class EventsSummaryViewer : public CardViewBasedViewer
{
    Q_OBJECT

public:
    EventsSummaryViewer(const QString &buttonText, QButtonGroup *group, QObject *parent, int value);

    void setModel(QAbstractItemModel *model, QAbstractItemDelegate *delegate, bool flag);
    void rememberModel(QAbstractItemModel *model);
    // Called for the model that is about to be replaced.
    void disconnectModel(QAbstractItemModel *model);
    void setupRadioButton(AUK_90003 *button, const QString &text, const char *member);

signals:
    void listScrolled(int startRow, int endRow);
    void refreshModel(int offset);

protected:
    // Null once the host's widgets have gone.
    AUK_90022 *eventCardView() const;
    // Lines the radios up, in the order given, in a row in the card view's
    // header band.
    void placeRadios(std::initializer_list<AUK_90003 *> radios);
    // Shows or hides those of the radios that were placed in the row.
    static void showRadios(std::initializer_list<AUK_90003 *> radios, bool shown);

    QAbstractItemModel *m_model = nullptr;
    QAbstractItemDelegate *m_delegate = nullptr;
};
