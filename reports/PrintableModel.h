#pragma once

#include <QAbstractItemModel>
#include <QHash>
#include <QList>
#include <QSharedPointer>
#include <QString>
#include <QVector>

// One list as a section of a saved report: which roles of each row become
// its columns, in which order and under which titles, the section's title,
// and whether the section opens with a row of column titles. The report
// writer walks the rows from nextRow on.
class PrintableModel
{
public:
    PrintableModel(QSharedPointer<QAbstractItemModel> model, bool printTitleRow);
    virtual ~PrintableModel();

    const QSharedPointer<QAbstractItemModel> &model() const { return m_model; }
    bool printTitleRow() const { return m_printTitleRow; }

    // The chosen roles; without them, every role the model names, in the
    // order the reports have always printed them (see columnOrder).
    QList<int> roles() const;
    void setRoles(const QList<int> &roles);
    void setRoles(const QVector<int> &roles);

    void setRoleTitle(int role, const QString &title);
    // The title set for the role, else the role's shared caption.
    QString roleTitle(int role) const;

    // The column order of a model saved without chosen roles: ascending by
    // role modulo 17, the order a small table of integer keys used to give.
    // Two roles with the same remainder keep the order the model named them
    // in, which a hash no longer tells; the larger role comes first, as in
    // the lists that rely on it.
    static QList<int> columnOrder(QList<int> roles);

    QString title;
    int nextRow = 0;

private:
    QSharedPointer<QAbstractItemModel> m_model;
    bool m_printTitleRow;
    QList<int> m_roles;
    QHash<int, QString> m_roleTitles;
};
