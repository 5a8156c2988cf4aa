#include "link/WrapDirectional.h"

namespace {

constexpr QChar LeftToRightEmbedding(0x202A);
constexpr QChar RightToLeftEmbedding(0x202B);
constexpr QChar PopDirectionalFormatting(0x202C);
constexpr QChar LeftToRightMark(0x200E);
constexpr QChar RightToLeftMark(0x200F);

} // namespace

QString wrapDirectional(const QString &text)
{
    const bool rightToLeft = text.isRightToLeft();
    return (rightToLeft ? RightToLeftEmbedding : LeftToRightEmbedding) + text
           + (rightToLeft ? RightToLeftMark : LeftToRightMark) + PopDirectionalFormatting;
}
