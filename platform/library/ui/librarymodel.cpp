#include "librarymodel.h"

#include "librarycontent.h"
#include "libraryquery.h"
#include "voicelibrary.h"

#include <QDateTime>
#include <QFileInfo>
#include <QFont>
#include <QSqlError>
#include <QSqlQuery>

namespace {

// Columns of the query: the id, then one per table column, then hidden.
const char *const selectVoices =
    "SELECT v.id, v.favourite, v.name, v.category, v.type, v.tags, v.added, v.source, v.hidden"
    " FROM voices v WHERE ";

const char *const orderBy[] = { "v.favourite", "v.name COLLATE NOCASE", "v.category",
                                "v.type",      "v.tags COLLATE NOCASE", "v.id",
                                "v.source" };

} // namespace

LibraryModel::LibraryModel(VoiceLibrary *library, QObject *parent)
    : QSqlQueryModel(parent)
    , m_library(library)
{
    refresh();
}

void LibraryModel::setFilter(const QString &query, const QString &category, bool favouritesOnly,
                             bool withHidden)
{
    m_query = query;
    m_category = category;
    m_favouritesOnly = favouritesOnly;
    m_withHidden = withHidden;
    refresh();
}

void LibraryModel::refresh()
{
    const LibraryQuery query(m_query, m_library->content().catalogue(),
                             m_library->content().codec());
    QString sql = QLatin1String(selectVoices) + query.condition();
    QVariantList bindings = query.bindings();
    if (!m_withHidden)
        sql += QStringLiteral(" AND v.hidden = 0");
    if (m_favouritesOnly)
        sql += QStringLiteral(" AND v.favourite = 1");
    if (!m_category.isEmpty()) {
        sql += QStringLiteral(" AND v.category = ?");
        bindings << m_category;
    }
    sql += QStringLiteral(" ORDER BY %1 %2, v.id")
               .arg(QLatin1String(orderBy[qBound(0, m_sortColumn, int(ColumnCount) - 1)]),
                    m_order == Qt::AscendingOrder ? QStringLiteral("ASC") : QStringLiteral("DESC"));
    QSqlQuery q(m_library->database());
    q.prepare(sql);
    for (const QVariant &value : std::as_const(bindings))
        q.addBindValue(value);
    q.exec();
    setQuery(std::move(q));
    QStringList problems = query.errors();
    if (lastError().isValid())
        problems << lastError().text();
    if (problems != m_problems) {
        m_problems = problems;
        emit problemsChanged(m_problems);
    }
}

QVariant LibraryModel::raw(int row, int column) const
{
    return QSqlQueryModel::data(createIndex(row, column), Qt::DisplayRole);
}

qint64 LibraryModel::idAt(int row) const
{
    return raw(row, 0).toLongLong();
}

bool LibraryModel::hiddenAt(int row) const
{
    return raw(row, 8).toBool();
}

int LibraryModel::rowOf(qint64 id)
{
    for (int row = 0;; ++row) {
        while (row >= rowCount() && canFetchMore())
            fetchMore();
        if (row >= rowCount())
            return -1;
        if (idAt(row) == id)
            return row;
    }
}

int LibraryModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant LibraryModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return QVariant();
    const QVariant value = raw(index.row(), index.column() + 1);
    if (role == Qt::FontRole && hiddenAt(index.row())) {
        QFont font;
        font.setItalic(true);
        return font;
    }
    if (role == Qt::ToolTipRole && index.column() == Favourite)
        return value.toBool() ? tr("A favourite: click to unmark")
                              : tr("Click to mark as a favourite");
    if (role == Qt::ToolTipRole && index.column() == Source)
        return value;
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return QVariant();
    switch (index.column()) {
    case Favourite:
        return role == Qt::EditRole
            ? value
            : QVariant(value.toBool() ? QStringLiteral("\u2605") : QStringLiteral("\u2606"));
    case Type:
        return voiceTypeName(VoiceType(value.toInt()));
    case Added:
        return QDateTime::fromString(value.toString(), Qt::ISODate)
            .toLocalTime()
            .toString(QStringLiteral("yyyy-MM-dd hh:mm"));
    case Source:
        return value.toString().isEmpty() ? tr("stored from the editor")
                                          : QFileInfo(value.toString()).fileName();
    default:
        return value;
    }
}

QVariant LibraryModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QSqlQueryModel::headerData(section, orientation, role);
    switch (section) {
    case Favourite:
        return QStringLiteral("\u2605");
    case Name:
        return tr("Name");
    case Category:
        return tr("Category");
    case Type:
        return tr("Voice Type");
    case Tags:
        return tr("Tags");
    case Added:
        return tr("Added");
    case Source:
        return tr("From");
    }
    return QVariant();
}

Qt::ItemFlags LibraryModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags f = QSqlQueryModel::flags(index);
    if (index.column() == Name || index.column() == Category || index.column() == Tags)
        f |= Qt::ItemIsEditable;
    return f;
}

bool LibraryModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    VoiceLibrary::Field field;
    switch (index.column()) {
    case Favourite:
        field = VoiceLibrary::Field::Favourite;
        break;
    case Name:
        field = VoiceLibrary::Field::Name;
        break;
    case Category:
        field = VoiceLibrary::Field::Category;
        break;
    case Tags:
        field = VoiceLibrary::Field::Tags;
        break;
    default:
        return false;
    }
    if (field == VoiceLibrary::Field::Name && Voice::fittedName(value.toString()).isEmpty())
        return false;
    QString error;
    if (!m_library->set(idAt(index.row()), field, value, &error)) {
        emit failed(error);
        return false;
    }
    // After the view has closed its editor.
    QMetaObject::invokeMethod(this, &LibraryModel::refresh, Qt::QueuedConnection);
    return true;
}

void LibraryModel::sort(int column, Qt::SortOrder order)
{
    m_sortColumn = column;
    m_order = order;
    refresh();
}
