#pragma once

#include <QMainWindow>

// The simulator's top-level window: a picture of the panel front, with the
// engine's 640 x 480 screen in its top-left corner.
class MainWindow final : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);

    // The panel front; an empty sheet keeps the current one.
    void setMyStyleSheet(const QString &styleSheet);
};
