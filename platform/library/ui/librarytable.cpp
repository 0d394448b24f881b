#include "librarytable.h"

#include "librarymodel.h"

#include <QHeaderView>

LibraryTable::LibraryTable(QWidget *parent)
    : QTableView(parent)
{
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setWordWrap(false);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
}

void LibraryTable::fitColumns()
{
    horizontalHeader()->setSectionResizeMode(LibraryModel::Favourite,
                                             QHeaderView::ResizeToContents);
    setColumnWidth(LibraryModel::Name, 160);
}
