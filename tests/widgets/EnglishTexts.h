#pragma once

#include <QCoreApplication>
#include <QTranslator>

// The build's English translation, installed while it lives, so screenshots
// show words rather than keys.
class EnglishTexts final
{
public:
    EnglishTexts()
    {
        const QString folder = QString::fromLocal8Bit(qgetenv("TESK_BUILD_DIR")) + QStringLiteral("/i18n");
        m_loaded = m_translator.load(QStringLiteral("TESK_GBR_en-GB.qm"), folder)
                   && QCoreApplication::installTranslator(&m_translator);
    }
    ~EnglishTexts() { QCoreApplication::removeTranslator(&m_translator); }
    EnglishTexts(const EnglishTexts &) = delete;
    EnglishTexts &operator=(const EnglishTexts &) = delete;

    bool isLoaded() const { return m_loaded; }

private:
    QTranslator m_translator;
    bool m_loaded = false;
};
