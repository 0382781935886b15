#include "RecordLimit.h"

#include "QueryConventions.h"

namespace recordlimit {

namespace {
bool isNumeric(const QString& limitText) {
    return limitText != kAll && limitText != kFirst;
}
} // namespace

QString limitClause(const QString& limitText, int offset) {
    if (limitText == kAll)
        return {};
    if (limitText == kFirst)
        return QStringLiteral(" LIMIT 1");
    return QStringLiteral(" LIMIT ") + QString::number(offset) + QLatin1Char(',') + limitText;
}

std::optional<int> nextPageOffset(const QString& limitText, int offset) {
    if (!isNumeric(limitText))
        return std::nullopt;
    return offset + toInteger(limitText);
}

std::optional<int> previousPageOffset(const QString& limitText, int offset) {
    if (!isNumeric(limitText))
        return std::nullopt;
    const int previous = offset - toInteger(limitText);
    if (previous < 0)
        return std::nullopt;
    return previous;
}

} // namespace recordlimit
