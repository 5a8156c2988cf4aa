#pragma once

#include <QVector>

// A hidden sequence of key presses and the action it fires. position counts
// the keys matched so far; a key that does not match starts over without
// counting as the first key of a new attempt.
struct KeySequenceShortcut
{
    quint8 position = 0;
    int action = 0;
    QVector<int> keys;

    // True when this key completes the sequence.
    bool advance(int key);
};
