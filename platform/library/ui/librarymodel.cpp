#include "librarymodel.h"

#include "voicelibrary.h"

#include <QDateTime>
#include <QFileInfo>
#include <QFont>
#include <QSqlQuery>

#include <algorithm>

namespace {

// The columns stored for each row: one per table column, then hidden.
const char *const selectPage =
    "SELECT id, favourite, name, category, type, tags, added, source, hidden FROM voices"
    " WHERE id IN (%1)";
constexpr int hiddenColumn = 7;

const VoiceListing::Order orders[] = {
    VoiceListing::Order::Favourite, VoiceListing::Order::Name, VoiceListing::Order::Category,
    VoiceListing::Order::Type,      VoiceListing::Order::Tags, VoiceListing::Order::Added,
    VoiceListing::Order::Source,
};

} // namespace

LibraryModel::LibraryModel(VoiceLibrary *library, QObject *parent)
    : QAbstractTableModel(parent)
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

void LibraryModel::setVoiceType(std::optional<VoiceType> type)
{
    m_type = type;
    refresh();
}

void LibraryModel::refresh()
{
    VoiceLibrary::Selection selection;
    selection.query = m_query;
    selection.category = m_category;
    selection.favouritesOnly = m_favouritesOnly;
    selection.withHidden = m_withHidden;
    selection.type = m_type;
    selection.order = orders[qBound(0, m_sortColumn, int(ColumnCount) - 1)];
    selection.descending = m_order == Qt::DescendingOrder;
    QStringList problems;
    beginResetModel();
    m_ids = m_library->find(selection, &problems);
    m_pages.clear();
    endResetModel();
    if (problems != m_problems) {
        m_problems = problems;
        emit problemsChanged(m_problems);
    }
}

QVariant LibraryModel::raw(int row, int column) const
{
    if (row < 0 || row >= int(m_ids.size()))
        return QVariant();
    const int first = row / pageSize * pageSize;
    auto page = m_pages.find(first);
    if (page == m_pages.end()) {
        if (m_pages.size() >= pagesKept)
            m_pages.clear();
        const int end = std::min(int(m_ids.size()), first + pageSize);
        QStringList ids;
        QHash<qint64, int> rowOfId;
        for (int r = first; r < end; ++r) {
            ids << QString::number(m_ids[std::size_t(r)]);
            rowOfId.insert(m_ids[std::size_t(r)], r - first);
        }
        // A voice deleted since the search shows as an empty row.
        Page read(std::size_t(end - first), std::vector<QVariant>(hiddenColumn + 1));
        QSqlQuery q(m_library->database());
        q.setForwardOnly(true);
        if (q.exec(QLatin1String(selectPage).arg(ids.join(QLatin1Char(','))))) {
            while (q.next()) {
                std::vector<QVariant> &values =
                    read[std::size_t(rowOfId.value(q.value(0).toLongLong()))];
                for (int c = 0; c <= hiddenColumn; ++c)
                    values[std::size_t(c)] = q.value(c + 1);
            }
        }
        page = m_pages.insert(first, std::move(read));
    }
    return (*page)[std::size_t(row - first)][std::size_t(column)];
}

qint64 LibraryModel::idAt(int row) const
{
    return row >= 0 && row < int(m_ids.size()) ? m_ids[std::size_t(row)] : 0;
}

bool LibraryModel::hiddenAt(int row) const
{
    return raw(row, hiddenColumn).toBool();
}

int LibraryModel::rowOf(qint64 id)
{
    const auto it = std::find(m_ids.begin(), m_ids.end(), id);
    return it == m_ids.end() ? -1 : int(it - m_ids.begin());
}

int LibraryModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_ids.size());
}

int LibraryModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant LibraryModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return QVariant();
    const QVariant value = raw(index.row(), index.column());
    if (!raw(index.row(), Name).isValid())
        return QVariant(); // deleted since the search
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
        return QAbstractTableModel::headerData(section, orientation, role);
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
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
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
