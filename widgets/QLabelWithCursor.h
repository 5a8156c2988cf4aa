#pragma once

#include <QLabel>

// A label that can draw a one-pixel text cursor after its text. The cursor
// assumes left-aligned, single-line text.
class QLabelWithCursor final : public QLabel
{
    Q_OBJECT

public:
    explicit QLabelWithCursor(QWidget *parent = nullptr);

    bool cursorVisible() const;
    void setCursorVisible(bool visible);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_cursorVisible = false;
};
