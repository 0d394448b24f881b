#include "partnames.h"

#include "parameterschema.h"

namespace PartNames {

QString drumKeyName(int key)
{
    ParameterSchema::ValueFormat note;
    note.kind = ParameterSchema::ValueFormat::Note;
    return note.text(24 + key, 0);
}

int drumKeyOf(const QString &name)
{
    for (int key = 0; key < drumKeyCount; ++key) {
        if (drumKeyName(key).compare(name, Qt::CaseInsensitive) == 0)
            return key;
    }
    return -1;
}

QString partName(int parts, int part)
{
    if (parts == drumKeyCount)
        return QStringLiteral("key ") + drumKeyName(part);
    if (parts == elementCount)
        return QStringLiteral("element %1").arg(part + 1);
    if (parts > 1)
        return QStringLiteral("part %1").arg(part + 1);
    return QString();
}

QString partKey(int parts, int part)
{
    return parts == drumKeyCount ? drumKeyName(part) : QString::number(part + 1);
}

int partOfKey(int parts, const QString &key)
{
    if (parts == drumKeyCount)
        return drumKeyOf(key);
    bool ok = false;
    const int number = key.toInt(&ok);
    return ok && number >= 1 && number <= parts && key == QString::number(number) ? number - 1 : -1;
}

} // namespace PartNames
