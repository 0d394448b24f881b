#include "queryproblemslabel.h"

#include "librarymodel.h"

QueryProblemsLabel::QueryProblemsLabel(QWidget *parent)
    : QLabel(parent)
{
    setStyleSheet(QStringLiteral("color: #b00020"));
    setWordWrap(true);
    hide();
}

void QueryProblemsLabel::watch(LibraryModel *model)
{
    connect(model, &LibraryModel::problemsChanged, this, &QueryProblemsLabel::show);
}

void QueryProblemsLabel::show(const QStringList &problems)
{
    setText(problems.join(QLatin1Char('\n')));
    setVisible(!problems.isEmpty());
}
