#include "common/MissingColumns.h"

#include "DialogService.h"
#include "common/StatementRunner.h"

namespace {

const QString kCaption = QStringLiteral("Операция не выполнена");

void refuse(QueryContext& context, const QStringList& missing) {
    context.dialogs().error(
            kCaption, QStringLiteral("В базе нет того, без чего это изменение сделать нельзя: %1.")
                              .arg(missing.join(QStringLiteral(", "))));
}

} // namespace

bool refusedForMissingColumns(QueryContext& context,
                              std::initializer_list<const schema::Field*> needed,
                              const QStringList& missing) {
    for (const schema::Field* field : needed) {
        if (!field->has()) {
            refuse(context, missing);
            return true;
        }
    }
    return false;
}
