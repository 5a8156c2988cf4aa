#pragma once

#include <QStandardItem>
#include <QString>

// A row of a name and its value, for the two-column lists: the name is the
// display text, the value role 55.
class NameValuePairItem final : public QStandardItem
{
public:
    NameValuePairItem(const QString &name, const QString &value);

    QVariant data(int role = Qt::UserRole + 1) const override;

private:
    QString m_name;
    QString m_value;
};
