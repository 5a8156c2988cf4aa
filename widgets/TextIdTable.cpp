#include "widgets/TextIdTable.h"

#include <QCoreApplication>

TextIdTable::TextIdTable(const char *context, std::initializer_list<const char *> keys)
    : m_context(context)
    , m_keys(keys)
{
}

const char *TextIdTable::key(int id) const
{
    if (id < 1 || id > size())
        return nullptr;
    return m_keys[static_cast<size_t>(id - 1)];
}

QString TextIdTable::text(int id) const
{
    const char *found = key(id);
    return found ? QCoreApplication::translate(m_context, found) : QString();
}

int TextIdTable::size() const
{
    return static_cast<int>(m_keys.size());
}
