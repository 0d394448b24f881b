#pragma once

#include <formbuilder.h>

#include <QByteArray>

#include <deque>
#include <vector>

class QWidget;

// What the two controller-set forms share: a widget table generated from the
// forms' rules (rows of value fields and pull-down menus set on a grid of
// push buttons with fixed texts), and the settings of their pull-down menus.
namespace ControllerForm {

// The design names copies of a push button with the copy number after the
// original's name: "pushButton2375", "pushButton2375_2" ... "pushButton2375_10".
QByteArray copyName(const QByteArray &original, int copy);

// The number at the end of an object name ("cTextSlider2375": 2375).
int numberOf(const char *objectName);

// A form's widgets in creation order. Widgets are collected in batches; each
// batch is built on its own, so that copies of a push button, whose names
// end in their copy number, follow one another after the numbered widgets
// instead of being sorted by that copy number.
class Table
{
public:
    Table();

    void add(Form::Kind kind, const QByteArray &name, int x, int y, int width, int height,
             const char *text = nullptr, const char *address = nullptr);
    // Starts a new batch: what is added from now on is built after what was
    // added before.
    void nextBatch();

    // The ten "4" buttons of a controller-set row, 23 x 13 at x = 30 + 24k on
    // the row's y, named after the row's value field.
    void addRowButtons(const char *valueField, int y);

    // Builds every batch on `page` into `built`.
    void build(QWidget *page, Form::Built &built) const;

private:
    std::deque<QByteArray> m_names;
    std::vector<std::vector<Form::Widget>> m_batches;
};

// The settings of every pull-down menu (a CPopup) of the built form: cyan on
// black, focus rectangle, strong focus, a one-column grid.
void setUpPullDowns(const Form::Built &built);

} // namespace ControllerForm
