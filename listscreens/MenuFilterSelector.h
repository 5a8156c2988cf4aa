#pragma once

#include "listscreens/FilterSelector.h"

#include <QPointer>
#include <QStandardItemModel>

// A single choice among the sub-directories of a directory whose names
// start with "$" (the "$" is not shown); the chosen row carries the
// directory's absolute path.
class MenuFilterSelector final : public FilterSelector
{
    Q_OBJECT

public:
    // The item data role of a row's absolute path.
    static constexpr int PathRole = 107;

    // Kind 0 a project, 1 a panel, 2 a TESK folder; any other kind leaves
    // the label empty.
    MenuFilterSelector(QButtonGroup *group, int kind, QObject *parent);
    ~MenuFilterSelector() override;

    QWidget *button() override;
    QWidget *filterEditor() override;

    // The owning screen calls reloadEditor() after a new path.
    void setPath(const QString &path) { m_path = path; }
    void rebuildModel();
    void reloadEditor();
    QString selectedValue() const;
    QString selectedText() const;
    const QStandardItemModel &model() const { return m_model; }

public slots:
    void reset(bool disableFilterButton) override;
    void activate() override;
    void deactivate() override;
    void itemClicked(const QModelIndex &index);

private:
    void showModel();

    QPointer<AUK_90008> m_button;
    QString m_path = QStringLiteral(".");
    QStandardItemModel m_model;
};
