#pragma once

#include <QDialog>
#include <QList>
#include <QString>

class QLineEdit;
class QListWidget;

// A searchable list of the values a parameter can take, by their texts. The
// editor opens one when a dialog asks for a wave, voice or arpeggio type;
// choosing an item (double-click, Return or OK) reports its value.
class SelectionWindow : public QDialog
{
    Q_OBJECT

public:
    struct Choice
    {
        int value;
        QString text;
    };

    SelectionWindow(const QString &title, const QList<Choice> &choices, int current,
                    QWidget *parent = nullptr);

    QLineEdit *filter() const { return m_filter; }
    QListWidget *list() const { return m_list; }
    // The rows left after filtering.
    int shownCount() const;

signals:
    void chosen(int value);

private:
    void applyFilter(const QString &text);
    void choose();

    QLineEdit *m_filter;
    QListWidget *m_list;
};
