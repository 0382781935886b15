#include "schema/Field.h"

#include "common/SqlQuoting.h"

namespace schema {

QString quoted(const QString& name) {
    return quotedName(name);
}

Field Field::column(const QString& table, const QString& name) {
    return {quoted(name), name, {table + u'.' + name}};
}

Field Field::computed(const QString& expression, const QStringList& needs) {
    return {expression, {}, needs};
}

QString Field::selectItem(const QString& alias) const {
    if (read == quoted(alias))
        return read;
    return read + QStringLiteral(" as ") + quoted(alias);
}

} // namespace schema
