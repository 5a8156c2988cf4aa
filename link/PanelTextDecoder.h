#pragma once

#include <QString>

#include <array>

// Turns the controller's 8-bit panel texts into Unicode, one code page per
// language slot (1: first language, 2: second language; any other slot
// number means the second). Both slots start as code page 850. Code pages
// that iconv lacks (720) decode through a built-in table.
class PanelTextDecoder final
{
public:
    PanelTextDecoder();
    ~PanelTextDecoder();
    PanelTextDecoder(const PanelTextDecoder &) = delete;
    PanelTextDecoder &operator=(const PanelTextDecoder &) = delete;

    static constexpr quint16 DefaultCodePage = 850;
    static constexpr int MaximumTextBytes = 255;

    // False when the slot could not be opened; its texts then read
    // "DECODING ERROR" until it is set up again.
    bool setupTextDecoder(int slot, quint16 codePage);
    // Both slots from the code pages of the engine's configuration.
    void setupTextDecoders();
    QString decodePanelText(int slot, const char *bytes, int length, bool rightToLeft);

    // The slot the engine's configuration names as the current language.
    static int currentSlot();

    static QString decodingError();

private:
    struct Slot
    {
        void *descriptor = nullptr;
        const char16_t *table = nullptr;
    };

    void close(Slot &slot);
    Slot &slotFor(int slot);
    QString convert(Slot &slot, const char *bytes, int length);

    std::array<Slot, 2> m_slots;
};

// The process-wide decoder, created on first use.
PanelTextDecoder &textDecoders();
