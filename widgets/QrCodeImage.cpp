#include "widgets/QrCodeImage.h"

#include <QDebug>
#include <QtGlobal>
#include <qrcodegen/qrcodegen.hpp>

#include <optional>
#include <stdexcept>
#include <vector>

using qrcodegen::QrCode;

namespace {

// The library throws for a text too long for the largest symbol; that must
// never leave here, a card painting an event would take the panel down.
std::optional<QrCode> encode(const QByteArray &bytes)
{
    try {
        return QrCode::encodeText(bytes.constData(), QrCode::Ecc::LOW);
    } catch (const std::length_error &error) {
        qWarning() << "QrCodeImage::QrCodeImage: no QR code holds" << bytes.size() << "bytes:" << error.what();
    }
    return std::nullopt;
}

} // namespace

QrCodeImage::QrCodeImage(const QString &text, int magnification)
{
    const int scale = qBound(1, magnification, 4);
    const std::optional<QrCode> encoded = encode(text.toLocal8Bit());
    if (!encoded)
        return;
    const QrCode &code = *encoded;
    const int size = code.getSize();
    const QByteArray dark(scale, 'b');
    const QByteArray light(scale, 'w');

    m_xpmLines.reserve(3 + size * scale);
    m_xpmLines.append(QStringLiteral("%1 %2 2 1").arg(size * scale).arg(size * scale).toLatin1());
    m_xpmLines.append(QByteArrayLiteral("w c #FFFFFF"));
    m_xpmLines.append(QByteArrayLiteral("b c #000000"));
    for (int y = 0; y < size; ++y) {
        QByteArray row;
        row.reserve(size * scale);
        for (int x = 0; x < size; ++x)
            row.append(code.getModule(x, y) ? dark : light);
        for (int copy = 0; copy < scale; ++copy)
            m_xpmLines.append(row);
    }

    std::vector<const char *> xpm;
    xpm.reserve(size_t(m_xpmLines.size()));
    for (const QByteArray &line : qAsConst(m_xpmLines))
        xpm.push_back(line.constData());
    m_pixmap = QPixmap(xpm.data());
}
