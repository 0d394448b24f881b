#include "view/parameterdelegate.h"

#include "view/parametermodel.h"

#include <QComboBox>
#include <QSpinBox>

QWidget *ParameterDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &,
                                         const QModelIndex &index) const
{
    const QStringList texts = index.data(ParameterModel::ValueTextsRole).toStringList();
    const int minimum = index.data(ParameterModel::MinimumRole).toInt();
    if (texts.isEmpty()) {
        auto *box = new QSpinBox(parent);
        box->setRange(minimum, index.data(ParameterModel::MaximumRole).toInt());
        return box;
    }
    auto *list = new QComboBox(parent);
    list->addItems(texts);
    list->setProperty("minimum", minimum);
    // Each value chosen is written at once, as the dialogs' controls do.
    connect(list, &QComboBox::currentIndexChanged, this,
            [this, list] { emit const_cast<ParameterDelegate *>(this)->commitData(list); });
    return list;
}

void ParameterDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    const int value = index.data(Qt::EditRole).toInt();
    if (auto *list = qobject_cast<QComboBox *>(editor)) {
        const QSignalBlocker block(list);
        list->setCurrentIndex(value - list->property("minimum").toInt());
    } else if (auto *box = qobject_cast<QSpinBox *>(editor))
        box->setValue(value);
}

void ParameterDelegate::setModelData(QWidget *editor, QAbstractItemModel *model,
                                     const QModelIndex &index) const
{
    if (auto *list = qobject_cast<QComboBox *>(editor))
        model->setData(index, list->currentIndex() + list->property("minimum").toInt());
    else if (auto *box = qobject_cast<QSpinBox *>(editor))
        model->setData(index, box->value());
}
