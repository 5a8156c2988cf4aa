#pragma once

#include "widgets/AUK_90055.h"

#include <QPointer>
#include <QStackedWidget>

#include <array>

// The on-screen keypad: a letter page and a number page. It edits no text
// itself: character keys report their value, delete and OK report del() and
// ok(), and the owner keeps the text.
class AUK_90015 final : public QStackedWidget
{
    Q_OBJECT
    Q_PROPERTY(QString okButtonText READ okButtonText WRITE setOkButtonText)
    Q_PROPERTY(QString delButtonText READ delButtonText WRITE setDelButtonText)
    Q_PROPERTY(bool okButtonVisible READ okButtonVisible WRITE setOkButtonVisible)
    Q_PROPERTY(bool numericOnly READ numericOnly WRITE setNumericOnly)
    Q_PROPERTY(bool alphanumericOnly READ alphanumericOnly WRITE setAlphanumericOnly)
    Q_PROPERTY(int visibleButtons READ visibleButtons WRITE setVisibleButtons)
    Q_PROPERTY(bool shiftVisible READ shiftVisible WRITE setShiftVisible)
    Q_PROPERTY(bool returnVisible READ returnVisible WRITE setReturnVisible)
    Q_PROPERTY(bool spaceVisible READ spaceVisible WRITE setSpaceVisible)

public:
    static constexpr int LetterCount = 26;
    static constexpr int DigitCount = 10;

    explicit AUK_90015(QWidget *parent = nullptr);

    QString okButtonText() const;
    void setOkButtonText(const QString &text);
    QString delButtonText() const;
    void setDelButtonText(const QString &text);
    bool okButtonVisible() const;
    void setOkButtonVisible(bool visible);
    bool numericOnly() const;
    void setNumericOnly(bool only);
    bool alphanumericOnly() const;
    void setAlphanumericOnly(bool only);
    // How many letter keys, from A on, are in use.
    int visibleButtons() const;
    void setVisibleButtons(int count);
    bool shiftVisible() const;
    void setShiftVisible(bool visible);
    bool returnVisible() const;
    void setReturnVisible(bool visible);
    bool spaceVisible() const;
    void setSpaceVisible(bool visible);

    QWidget *alphaPage() const;
    QWidget *numericPage() const;

signals:
    void clicked(const QString &value);
    void del();
    void ok();

public slots:
    void showAlphanumericKeypad();
    void showNumericKeypad();
    void greyOutAlphaDelButton();
    void activeAlphaDelButton();
    void greyOutNumericDelButton();
    void activeNumericDelButton();

private slots:
    void toggleLetterCase();

private:
    void placeKey(AUK_90055 &key, int x, int y, int type);
    void reportValue(AUK_90055 &key, const QString &value);
    void relabelLetters();
    static void setLight(AUK_90055 &key, bool light);
    static void setKeyVisible(AUK_90055 &key, bool visible, const char *iconPath);

    QWidget *m_alpha;
    QWidget *m_numeric;
    bool m_upperCase = true;
    std::array<QPointer<AUK_90055>, LetterCount> m_letterKeys;
    AUK_90055 m_shiftKey;
    AUK_90055 m_spaceKey;
    AUK_90055 m_returnKey;
    std::array<QPointer<AUK_90055>, DigitCount> m_digitKeys;
    AUK_90055 m_abcKey;
    AUK_90055 m_numericKey;
    AUK_90055 m_alphaOkKey;
    AUK_90055 m_alphaDelKey;
    AUK_90055 m_numericOkKey;
    AUK_90055 m_numericDelKey;
    int m_visibleButtons = LetterCount;
};
