#include "characters/CharacterInGame.h"

#include "common/MessageTexts.h"
#include "common/StatementRunner.h"

namespace charactersingame {

namespace {

bool ask(QueryContext& context, const QString& question) {
    return context.dialogs().confirm(QString::fromUtf16(boxes::kCharacterInGameCaption), question,
                                     DialogService::Icon::Question, DialogService::Default::No);
}

} // namespace

bool confirmChange(QueryContext& context, const QString& guid, const QString& name, bool online) {
    if (!online)
        return true;
    if (!ask(context, boxes::characterInGameQuestion(name)))
        return false;
    context.log(QStringLiteral("Персонаж %1 (guid %2) был в игре во время изменения: сервер "
                               "может записать свою копию поверх него.")
                        .arg(name, guid));
    return true;
}

bool confirmChangeOfMany(QueryContext& context, const QStringList& onlineGuids) {
    if (onlineGuids.isEmpty())
        return true;
    if (!ask(context, boxes::charactersInGameQuestion(int(onlineGuids.size()))))
        return false;
    context.log(QStringLiteral("Персонажи в игре во время изменения (guid %1): сервер может "
                               "записать свои копии поверх него.")
                        .arg(onlineGuids.join(QStringLiteral(", "))));
    return true;
}

} // namespace charactersingame
