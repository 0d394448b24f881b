#include "view/parameterview.h"

#include "view/parameterdelegate.h"
#include "view/parametermodel.h"

#include <QHeaderView>

#include <utility>

ParameterView::ParameterView(QWidget *parent)
    : QTableView(parent)
{
    setItemDelegate(new ParameterDelegate(this));
    setWordWrap(false);
    setAlternatingRowColors(true);
    horizontalHeader()->setStretchLastSection(true);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
}

void ParameterView::setModel(QAbstractItemModel *model)
{
    QTableView::setModel(model);
    for (const auto &[column, width] : { std::pair{ ParameterModel::Block, 140 },
                                         { ParameterModel::Parameter, 160 },
                                         { ParameterModel::Part, 100 } })
        setColumnWidth(column, width);
    // The locks' small column of boxes goes first, where a row begins.
    if (model && model->columnCount() > ParameterModel::Lock) {
        horizontalHeader()->setSectionResizeMode(ParameterModel::Lock,
                                                 QHeaderView::ResizeToContents);
        horizontalHeader()->moveSection(horizontalHeader()->visualIndex(ParameterModel::Lock), 0);
    }
}

bool ParameterView::edit(const QModelIndex &index, EditTrigger trigger, QEvent *event)
{
    if (QTableView::edit(index, trigger, event))
        return true;
    // Only a person's request for an editor on a value is answered.
    const bool asked = trigger == DoubleClicked || trigger == EditKeyPressed;
    if (asked && index.isValid() && index.column() == ParameterModel::Value
        && !(index.flags() & Qt::ItemIsEditable))
        emit editRefused(index);
    return false;
}
