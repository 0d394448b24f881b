#pragma once

#include <QWidget>

class QLineEdit;
class QListWidget;
class SoundTools;

// The locks that Randomise, Mutate and Morph respect: a list of them (the
// view's context menu adds parameters, blocks, elements and keys), a
// pattern to add ("Filter*", "element 2") and Remove.
class LockPanel : public QWidget
{
    Q_OBJECT

public:
    explicit LockPanel(SoundTools *tools, QWidget *parent = nullptr);

    QListWidget *list() const { return m_list; }
    QLineEdit *patternBox() const { return m_pattern; }

private:
    void refresh();
    void addPattern();
    void removeChosen();

    SoundTools *m_tools;
    QListWidget *m_list;
    QLineEdit *m_pattern;
};
