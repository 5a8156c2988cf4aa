#pragma once

#include "ArtworkDir.h"

#include <QObject>
#include <QWidget>

#include <memory>

// Base of the widget tests: runs them in a data folder beside the painted
// artwork, with a shown 640 x 480 window to parent the widgets under test.
class WidgetTest : public QObject
{
    Q_OBJECT

protected:
    QWidget *window() const;

private slots:
    void initTestCase();
    void cleanupTestCase();

private:
    std::unique_ptr<ArtworkDir> m_artwork;
    std::unique_ptr<QWidget> m_window;
};
