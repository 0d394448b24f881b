#pragma once

#include <detaildialog.h>
#include <formbuilder.h>

#include <QByteArray>
#include <QRect>

#include <cstddef>
#include <deque>
#include <iterator>
#include <vector>

class QDialog;
class QTabWidget;

// One slider-and-fader row of a board form: where it sits on its page's
// grid, its caption and the address both of its controls carry.
struct BoardRow
{
    int page;   // 1 or 2
    int column; // 1 to 4
    int row;    // 1 to 8
    const char *caption;
    const char *address;
    int captionWidth = 130;
};

// What sets one expansion board's native-parameter form apart from the
// others: its class name (the dialog's name when it is given none, and the
// context of its texts), title, page labels, width and rows.
struct BoardDesign
{
    const char *className;
    const char *title;
    const char *firstPage;
    const char *secondPage; // null: the form has one page
    int width;
    const BoardRow *rows;
    std::size_t rowCount;
    // Boards whose forms differ only in the board's letters share one table:
    // "%1" in its addresses stands for these letters ("JV").
    const char *letters = nullptr;
};

// The form of every expansion-board dialog: a tab widget of one or two pages,
// each a grid of four columns and eight rows of slider-and-fader rows.
//
// A row in column c and row r has its value field at (20 + 155(c - 1),
// 46 + 32(r - 1)), 60 x 16, its fader 70 to the right, 55 x 16, and its
// caption 5 to the left and 16 above the value field, 130 (or the row's
// width) x 16. Every widget is named by its kind and a running number
// counted over the whole form in creation order: page by page, the value
// field and fader of each row in table order, then each row's caption.
class BoardForm
{
public:
    static constexpr int height = 339;

    static QRect valueFieldRect(int column, int row);

    // Builds the tab widget "tabWidget2" with its pages "tab0" (and
    // "tab0_2") on `dialog`, with empty page labels.
    void build(QDialog *dialog, const BoardDesign &design);

    // The dialog's caption, the page labels, every caption text and the
    // addresses of both controls of every row, through the translation
    // function in the board's context.
    void applyTexts(QDialog *dialog) const;

private:
    const char *keep(const QByteArray &text);

    const BoardDesign *m_design = nullptr;
    QTabWidget *m_tabs = nullptr;
    QWidget *m_pages[2] = {};
    std::deque<QByteArray> m_names; // the generated object names
    std::vector<Form::Row> m_rows[2];
    Form::Built m_built;
};

// An expansion board's native-parameter dialog: its form built from the
// board's design, no logic beyond what every detail dialog has.
class BoardDialog : public DetailDialog
{
    Q_OBJECT

public:
    BoardDialog(const BoardDesign &design, QWidget *parent, const char *name, bool modal,
                Qt::WindowFlags flags);

public slots:
    void connectMemAPI() override;

signals:
    void signalInitialise();
    void signalUpdateTabs();

protected slots:
    void languageChange() override;

private:
    BoardForm m_form;
};
