#pragma once

#include <QByteArray>

#include <optional>

// One part of a sync page as a support-packet payload (function 245,
// sub-code 10): the page header, then the body. The controller signs each
// part with a hash of its body.
namespace SyncPage {

constexpr int SupportFunction = 245;

struct Identity
{
    quint8 page = 0;
    quint8 panel = 0;
    quint8 part = 0;
    quint32 signature = 0;
};

QByteArray payload(int page, quint8 panel, const QByteArray &body, quint8 part = 0);
// Empty for a payload that is not a whole page header.
std::optional<Identity> identify(const QByteArray &payload);

} // namespace SyncPage
