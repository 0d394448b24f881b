#pragma once

#include <QTableView>

// The table of the voice's parameters: edits a value in place (double-click
// or F2) and says so when a value cannot be edited (compare mode, or a
// parameter the type does not use), instead of ignoring the request. The
// Lock column of boxes comes first.
class ParameterView : public QTableView
{
    Q_OBJECT

public:
    explicit ParameterView(QWidget *parent = nullptr);

    void setModel(QAbstractItemModel *model) override;

signals:
    // A request to edit the value at `index` was refused.
    void editRefused(const QModelIndex &index);

protected:
    bool edit(const QModelIndex &index, EditTrigger trigger, QEvent *event) override;
};
