#include "link/PanelTextDecoder.h"

#include "core/TeskGlobalConfig.h"
#include "link/RightToLeftText.h"

#include <QDebug>

#include <array>
#include <iconv.h>

namespace {

const iconv_t InvalidDescriptor = iconv_t(-1);
constexpr char TargetEncoding[] = "UTF-8//TRANSLIT//IGNORE";

struct CodePage
{
    quint16 number;
    const char *iconvName;
    const char16_t *builtInTable;
};

// Arabic (Transparent ASMO), bytes 0x80-0xFF; glibc's iconv has no CP720.
constexpr char16_t Cp720High[128] = {
    0x0080, 0x0081, 0x00E9, 0x00E2, 0x0084, 0x00E0, 0x0086, 0x00E7, 0x00EA, 0x00EB, 0x00E8, 0x00EF, 0x00EE,
    0x008D, 0x008E, 0x008F, 0x0090, 0x0651, 0x0652, 0x00F4, 0x00A4, 0x0640, 0x00FB, 0x00F9, 0x0621, 0x0622,
    0x0623, 0x0624, 0x00A3, 0x0625, 0x0626, 0x0627, 0x0628, 0x0629, 0x062A, 0x062B, 0x062C, 0x062D, 0x062E,
    0x062F, 0x0630, 0x0631, 0x0632, 0x0633, 0x0634, 0x0635, 0x00AB, 0x00BB, 0x2591, 0x2592, 0x2593, 0x2502,
    0x2524, 0x2561, 0x2562, 0x2556, 0x2555, 0x2563, 0x2551, 0x2557, 0x255D, 0x255C, 0x255B, 0x2510, 0x2514,
    0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x255E, 0x255F, 0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550,
    0x256C, 0x2567, 0x2568, 0x2564, 0x2565, 0x2559, 0x2558, 0x2552, 0x2553, 0x256B, 0x256A, 0x2518, 0x250C,
    0x2588, 0x2584, 0x258C, 0x2590, 0x2580, 0x0636, 0x0637, 0x0638, 0x0639, 0x063A, 0x0641, 0x00B5, 0x0642,
    0x0643, 0x0644, 0x0645, 0x0646, 0x0647, 0x0648, 0x0649, 0x064A, 0x2261, 0x064B, 0x064C, 0x064D, 0x064E,
    0x064F, 0x0650, 0x2248, 0x00B0, 0x2219, 0x00B7, 0x221A, 0x207F, 0x00B2, 0x25A0, 0x00A0,
};

// Searched in this order.
constexpr std::array<CodePage, 21> CodePages{{
    {850, "CP850", nullptr},   {852, "CP852", nullptr},   {866, "CP866", nullptr},   {936, "CP936", nullptr},
    {862, "CP862", nullptr},   {737, "CP737", nullptr},   {857, "CP857", nullptr},   {437, "CP437", nullptr},
    {874, "CP874", nullptr},   {932, "CP932", nullptr},   {949, "CP949", nullptr},   {950, "CP950", nullptr},
    {1258, "CP1258", nullptr}, {720, "CP720", Cp720High}, {1252, "CP1252", nullptr}, {1250, "CP1250", nullptr},
    {1251, "CP1251", nullptr}, {1255, "CP1255", nullptr}, {1253, "CP1253", nullptr}, {1254, "CP1254", nullptr},
    {1256, "CP1256", nullptr},
}};

const CodePage &findCodePage(quint16 number)
{
    for (const CodePage &page : CodePages) {
        if (page.number == number)
            return page;
    }
    return CodePages.front();
}

iconv_t descriptorOf(void *descriptor)
{
    return descriptor ? iconv_t(descriptor) : InvalidDescriptor;
}

} // namespace

PanelTextDecoder::PanelTextDecoder()
{
    setupTextDecoder(1, DefaultCodePage);
    setupTextDecoder(2, DefaultCodePage);
}

PanelTextDecoder::~PanelTextDecoder()
{
    for (Slot &slot : m_slots)
        close(slot);
}

PanelTextDecoder::Slot &PanelTextDecoder::slotFor(int slot)
{
    return m_slots[slot == 1 ? 0 : 1];
}

void PanelTextDecoder::close(Slot &slot)
{
    if (slot.descriptor)
        iconv_close(iconv_t(slot.descriptor));
    slot = Slot{};
}

bool PanelTextDecoder::setupTextDecoder(int slotNumber, quint16 codePage)
{
    Slot &slot = slotFor(slotNumber);
    close(slot);
    const CodePage &page = findCodePage(codePage);
    if (page.builtInTable) {
        slot.table = page.builtInTable;
        return true;
    }
    const iconv_t descriptor = iconv_open(TargetEncoding, page.iconvName);
    if (descriptor == InvalidDescriptor) {
        qWarning().nospace() << "PanelTextDecoder::setupTextDecoder"
                             << " cannot open code page " << page.number << " for language " << slotNumber;
        TeskGlobalConfig::instance()->removeConfigFile();
        return false;
    }
    slot.descriptor = descriptor;
    return true;
}

void PanelTextDecoder::setupTextDecoders()
{
    const TeskGlobalConfig *config = TeskGlobalConfig::instance();
    setupTextDecoder(1, config->getCodepage(1));
    setupTextDecoder(2, config->getCodepage(2));
}

int PanelTextDecoder::currentSlot()
{
    return TeskGlobalConfig::instance()->getCurrentLang();
}

QString PanelTextDecoder::decodingError()
{
    return QStringLiteral("DECODING ERROR");
}

QString PanelTextDecoder::decodePanelText(int slotNumber, const char *bytes, int length, bool rightToLeft)
{
    Slot &slot = slotFor(slotNumber);
    if (length < 0 || length > MaximumTextBytes)
        return decodingError();
    const QString text = convert(slot, bytes, length);
    if (rightToLeft && text != decodingError())
        return reorderRightToLeft(text);
    return text;
}

QString PanelTextDecoder::convert(Slot &slot, const char *bytes, int length)
{
    if (slot.table) {
        QString text(length, Qt::Uninitialized);
        for (int i = 0; i < length; ++i) {
            const quint8 byte = quint8(bytes[i]);
            text[i] = byte < 0x80 ? QChar(byte) : QChar(slot.table[byte - 0x80]);
        }
        return text;
    }
    const iconv_t descriptor = descriptorOf(slot.descriptor);
    if (descriptor == InvalidDescriptor)
        return decodingError();

    // No code page of the table needs more than four UTF-8 bytes for one
    // input byte. Each text starts from the initial shift state, and the
    // final flush emits a character that a stateful decoder (CP1258) still
    // holds back waiting for a combining mark.
    std::array<char, 4 * (MaximumTextBytes + 1)> output;
    char *in = const_cast<char *>(bytes);
    size_t inLeft = size_t(length);
    char *out = output.data();
    size_t outLeft = output.size();
    iconv(descriptor, nullptr, nullptr, nullptr, nullptr);
    const size_t converted = iconv(descriptor, &in, &inLeft, &out, &outLeft);
    const size_t flushed = iconv(descriptor, nullptr, nullptr, &out, &outLeft);
    if (converted == size_t(-1) || flushed == size_t(-1))
        return decodingError();
    return QString::fromUtf8(output.data(), int(output.size() - outLeft));
}

namespace {

// Opened with the code pages of the engine's configuration, so that those
// saved in its file apply from the first text on.
PanelTextDecoder *createConfiguredDecoders()
{
    static PanelTextDecoder decoders;
    decoders.setupTextDecoders();
    return &decoders;
}

} // namespace

PanelTextDecoder &textDecoders()
{
    static PanelTextDecoder *const decoders = createConfiguredDecoders();
    return *decoders;
}
