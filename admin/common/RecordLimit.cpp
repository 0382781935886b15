#include "common/RecordLimit.h"

#include "PlacedControls.h"
#include "common/QueryConventions.h"

#include <QComboBox>

#include <limits>

namespace recordlimit {

namespace {
bool isNumeric(const QString& limitText) {
    return limitText != kAll && limitText != kFirst;
}

// An offset the list can keep: from 0 to the largest 32-bit number.
std::optional<int> pageOffset(qint64 offset) {
    if (offset < 0 || offset > std::numeric_limits<int>::max())
        return std::nullopt;
    return int(offset);
}
} // namespace

QStringList choices() {
    return {QStringLiteral("10"),
            QStringLiteral("50"),
            QStringLiteral("100"),
            QStringLiteral("500"),
            QStringLiteral("1000"),
            QStringLiteral("2000"),
            QStringLiteral("3000"),
            kFirst,
            kAll};
}

QComboBox* placeBox(QWidget* parent, const char* name, int x, int y, int width, int height) {
    QComboBox* box = placeCombo(parent, name, choices(), x, y, width, height);
    box->setMaxVisibleItems(10);
    box->setEditText(kAll);
    return box;
}

QString limitClause(const QString& limitText, int offset) {
    if (limitText == kAll)
        return {};
    if (limitText == kFirst)
        return QStringLiteral(" LIMIT 1");
    return QStringLiteral(" LIMIT ") + QString::number(offset) + QLatin1Char(',') +
           bareNumber(limitText);
}

std::optional<int> nextPageOffset(const QString& limitText, int offset) {
    if (!isNumeric(limitText))
        return std::nullopt;
    return pageOffset(qint64(offset) + toInteger(limitText));
}

std::optional<int> previousPageOffset(const QString& limitText, int offset) {
    if (!isNumeric(limitText))
        return std::nullopt;
    return pageOffset(qint64(offset) - toInteger(limitText));
}

} // namespace recordlimit
