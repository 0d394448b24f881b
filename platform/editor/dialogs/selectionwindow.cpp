#include "dialogs/selectionwindow.h"

#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

SelectionWindow::SelectionWindow(const QString &title, const QList<Choice> &choices, int current,
                                 QWidget *parent)
    : QDialog(parent)
    , m_filter(new QLineEdit(this))
    , m_list(new QListWidget(this))
{
    setWindowTitle(title);
    setObjectName(QStringLiteral("selectionWindow"));
    resize(320, 420);
    m_filter->setObjectName(QStringLiteral("filter"));
    m_filter->setPlaceholderText(tr("Search"));
    m_filter->setClearButtonEnabled(true);
    m_list->setObjectName(QStringLiteral("choices"));
    m_list->setUniformItemSizes(true);
    for (const Choice &choice : choices) {
        auto *item = new QListWidgetItem(choice.text, m_list);
        item->setData(Qt::UserRole, choice.value);
        if (choice.value == current)
            m_list->setCurrentItem(item);
    }
    if (m_list->currentItem())
        m_list->scrollToItem(m_list->currentItem(), QAbstractItemView::PositionAtCenter);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_filter);
    layout->addWidget(m_list);
    layout->addWidget(buttons);

    connect(m_filter, &QLineEdit::textChanged, this, &SelectionWindow::applyFilter);
    connect(m_filter, &QLineEdit::returnPressed, this, &SelectionWindow::choose);
    connect(m_list, &QListWidget::itemActivated, this, &SelectionWindow::choose);
    connect(buttons, &QDialogButtonBox::accepted, this, &SelectionWindow::choose);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    m_filter->setFocus();
}

int SelectionWindow::shownCount() const
{
    int shown = 0;
    for (int i = 0; i < m_list->count(); ++i)
        shown += m_list->item(i)->isHidden() ? 0 : 1;
    return shown;
}

// Hides the items whose text does not contain every word of the search.
void SelectionWindow::applyFilter(const QString &text)
{
    const QStringList words = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QListWidgetItem *firstShown = nullptr;
    for (int i = 0; i < m_list->count(); ++i) {
        QListWidgetItem *item = m_list->item(i);
        bool match = true;
        for (const QString &word : words)
            match = match && item->text().contains(word, Qt::CaseInsensitive);
        item->setHidden(!match);
        if (match && !firstShown)
            firstShown = item;
    }
    QListWidgetItem *current = m_list->currentItem();
    if ((!current || current->isHidden()) && firstShown)
        m_list->setCurrentItem(firstShown);
    if (m_list->currentItem())
        m_list->scrollToItem(m_list->currentItem());
}

void SelectionWindow::choose()
{
    QListWidgetItem *item = m_list->currentItem();
    if (!item || item->isHidden())
        return;
    emit chosen(item->data(Qt::UserRole).toInt());
    accept();
}
