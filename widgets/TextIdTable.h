#pragma once

#include <QString>

#include <initializer_list>
#include <vector>

// Turns the small integer text ids that screens pass to their buttons into
// translated texts. Id n is the n-th key (from 1); a null key is an id
// without a text, and so is any id outside the table.
class TextIdTable final
{
public:
    TextIdTable(const char *context, std::initializer_list<const char *> keys);

    QString text(int id) const;
    const char *key(int id) const;
    int size() const;

private:
    const char *m_context;
    std::vector<const char *> m_keys;
};
