#pragma once

#include "widgets/AUK_90048.h"

#include <QObject>
#include <QPointer>

class AUK_90008;
class QAbstractButton;
class QAbstractItemModel;
class QButtonGroup;
class QModelIndex;
class QStandardItem;
class QWidget;

// One step of a filter screen: a filter button in the screen's column and an
// editor shown while the step is current. The count of chosen entries goes
// out with valueChanged(int); the screen template resets, enables and
// advances the later steps from it.
//
// What a subclass provides: button() is one checkable, auto-exclusive
// filter button in the screen's group whose click activates the selector;
// filterEditor() builds the editor once; every change of the choice shows
// it on the button and emits valueChanged(count); activate() checks the
// button and emits activated(); deactivate() unchecks it; reset(disable)
// clears button and selection. A choice the program makes by itself clears
// m_autoAdvance first, so that its valueChanged(1) does not move on.
class FilterSelector : public QObject
{
    Q_OBJECT

public:
    FilterSelector(QButtonGroup *group, QObject *parent, bool multiSelection);
    ~FilterSelector() override;

    virtual QWidget *button() = 0;
    virtual QWidget *filterEditor() = 0;

    bool isCurrent() const { return m_current; }
    void setCurrent(bool current) { m_current = current; }
    bool usesScrollButtons() const { return m_usesScrollButtons; }
    bool isMultiSelection() const { return m_multiSelection; }
    // Read by the template: false absorbs the next single choice.
    bool autoAdvance() const { return m_autoAdvance; }
    void setAutoAdvance(bool autoAdvance) { m_autoAdvance = autoAdvance; }

    // Brings the row of the editor's list into view; nothing without an
    // editor or for a row the list does not have.
    void scrollToRow(int row);

signals:
    void valueChanged(int count);
    void activated();
    void scrollUpButtonClicked();
    void scrollDownButtonClicked();
    void scrollUpButtonHeld();
    void scrollDownButtonHeld();
    void updateScrollBarButtons();
    void scrollBarAtStart(bool atStart);
    void scrollBarAtEnd(bool atEnd);

public slots:
    virtual void reset(bool disableFilterButton) = 0;
    virtual void activate() = 0;
    virtual void deactivate() = 0;

protected:
    // Makes the list editor when there is none and routes the scroll keys
    // to it and its position back; every call routes them again, so a
    // subclass calls it once, when it builds its editor.
    QPointer<AUK_90048> ensureFilterEditor();
    AUK_90048 *editor() const { return m_filterEditor.data(); }

    // The filter button every selector shows: no parent, checkable,
    // auto-exclusive, in the group when there is one.
    AUK_90008 *makeFilterButton(const QString &label);
    // Row height, selection mode and check images of a list editor: radio
    // rows for a single choice, check rows for a multiple one.
    static void styleList(AUK_90048 *list, bool multiSelection);
    // The shared forms of activate(), deactivate() and the button part of
    // reset(): checking and announcing; unchecking, which an exclusive group
    // would refuse; clearing the value and counter.
    void activateButton(QAbstractButton *button);
    void deactivateButton(QAbstractButton *button);
    static void clearButton(AUK_90008 *button, bool disable);
    // The row standing for every entry of a list: "all", with the value.
    static QStandardItem *makeAllRow(int role, int value);
    // Brings the first row whose role holds the value into view.
    void scrollToValue(const QAbstractItemModel &model, int role, quint32 value);
    // Makes the row the only one chosen, by the program: the editor does not
    // report the steps, and the next single choice does not move on.
    void selectAlone(const QModelIndex &index);
    // Clears the list's selection when the editor exists; false without one.
    bool clearEditorSelection();

    QButtonGroup *m_group;
    QPointer<AUK_90048> m_filterEditor;
    bool m_usesScrollButtons = false;
    bool m_multiSelection;
    bool m_autoAdvance = true;
    bool m_current = false;
};
