#pragma once

class QListView;

// The settings every finger-scrolled list shares: no frame, no scroll bars
// of its own, no editing or auto scroll, whole rows, scrolled by the pixel.
class TouchList final
{
public:
    enum Direction { Vertical, Horizontal };
    static void configure(QListView *list, Direction direction);
};
