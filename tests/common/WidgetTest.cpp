#include "WidgetTest.h"

#include <QtTest>

QWidget *WidgetTest::window() const
{
    return m_window.get();
}

void WidgetTest::initTestCase()
{
    m_artwork = std::make_unique<ArtworkDir>();
    QVERIFY(m_artwork->isValid());
    m_window = std::make_unique<QWidget>();
    m_window->resize(640, 480);
    m_window->show();
}

void WidgetTest::cleanupTestCase()
{
    m_window.reset();
    m_artwork.reset();
}
