#include "common/ListReadFailure.h"

#include "common/StatementRunner.h"

namespace boxes {

QString listReadFailedText(const QString& serverMessage, const BoxText& box) {
    return box.bodyText() + QStringLiteral("\r\n") + serverMessage;
}

} // namespace boxes

void reportListReadFailure(QueryContext& context, const QString& list) {
    reportListReadFailure(context, list, context.lastError());
}

void reportListReadFailure(QueryContext& context, const QString& list, const QString& message) {
    context.log(QStringLiteral("Не удалось прочитать %1: %2").arg(list, message));
    context.dialogs().error(boxes::kListReadFailed.captionText(),
                            boxes::listReadFailedText(message));
}

void reportListReadFailure(QueryContext& context, const QString& list, const BoxText& box) {
    const QString message = context.lastError();
    context.log(QStringLiteral("Не удалось прочитать %1: %2").arg(list, message));
    context.dialogs().error(box.captionText(), boxes::listReadFailedText(message, box));
}

bool readList(QueryContext& context, Database database, const QString& statement,
              const QString& list) {
    if (context.switchDatabase(database) && context.run(statement))
        return true;
    reportListReadFailure(context, list);
    return false;
}
