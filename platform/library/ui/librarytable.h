#pragma once

#include <QTableView>

// A table of library voices as the library panel and the voice pickers show
// it: one compact line a voice (a library is read by scrolling), whole rows
// selected, the star column as narrow as its mark and room for a name.
class LibraryTable : public QTableView
{
    Q_OBJECT

public:
    explicit LibraryTable(QWidget *parent = nullptr);

    // Call after setModel(): the column widths need the model's columns.
    void fitColumns();
};
