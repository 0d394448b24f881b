#pragma once

#include <QLabel>

class LibraryModel;

// What is wrong with a library search, one line per fault, in red under the
// search field; hidden while the search is good.
class QueryProblemsLabel : public QLabel
{
    Q_OBJECT

public:
    explicit QueryProblemsLabel(QWidget *parent = nullptr);

    // Shows the problems of `model`'s search from now on.
    void watch(LibraryModel *model);

private:
    void show(const QStringList &problems);
};
