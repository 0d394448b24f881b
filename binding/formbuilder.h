#pragma once

#include <QColor>
#include <QHash>
#include <QString>
#include <QWidget>

#include <cstddef>
#include <vector>

class CFader;
class CHotspotLabel;
class CPopup;
class CTextSlider;
class QLabel;
class QWidget;

// Forms as data. A form's source is a table of rows that reads like the
// form's design: caption, caption label, value field, fader, address and
// position, with a row's exceptions as fields of that row. One builder walks
// the tables, creates every widget and gives each control its standard
// settings; languageChange() then hands the texts and addresses out with
// applyTexts().
namespace Form {

// Captions that show the row's parameter name instead of a fixed text.
// "name (A)": the label's text is the row's address, so the label binds
// itself; "name (P)": the label's text is the placeholder "StaticText" and
// the dialog enters the label's address in its label address map.
inline constexpr char nameA[] = "name (A)";
inline constexpr char nameP[] = "name (P)";

// Where a row's widgets sit relative to its value field.
struct RowLayout
{
    int captionDx = -5;
    int captionDy = -16;
    int captionWidth = 130;
    int captionHeight = 16;
    int valueWidth = 60;
    int valueHeight = 16;
    int faderDx = 70;
    int faderWidth = 55;
    int faderHeight = 16;
};

// What sets one row apart from its form's layout.
struct Exception
{
    int captionWidth = 0; // 0: the layout's
    int faderDy = 0;      // a fader off its value field's line
    int captionDy = 0;    // a caption off its place above the value field
};

// A slider-and-fader row: a caption label, under it a value field and to its
// right a fader, both carrying the same address.
struct Row
{
    const char *caption; // a fixed text, nameA or nameP
    const char *captionLabel;
    const char *valueField;
    const char *fader;
    const char *address;
    int x; // the value field's position
    int y;
    Exception exception = {};
};

// Any other widget of a form. Label and Frame are made here in full; the
// form gives the others their particular settings after building.
enum class Kind {
    Label,
    Frame,
    TextSlider,
    Fader,
    Popup,
    PullDownMenu,
    HotspotLabel,
    LabelDisplay,
    OnOffButton,
    PushButton,
    Dial
};

struct Widget
{
    Kind kind;
    const char *name;
    int x;
    int y;
    int width;
    int height;
    const char *text = nullptr;    // caption or button text, set by applyTexts()
    const char *address = nullptr; // parameter address, set by applyTexts()
};

// The widgets of one row, once built.
struct RowWidgets
{
    const Row *row;
    QLabel *caption;
    CTextSlider *valueField;
    CFader *fader;
};

struct Built
{
    std::vector<RowWidgets> rows;
    std::vector<std::pair<const Widget *, QWidget *>> widgets;
    QHash<QString, QWidget *> byName;

    template <typename T>
    T *find(const char *name) const
    {
        return qobject_cast<T *>(byName.value(QLatin1String(name)));
    }
};

// Collects one page's rows and widgets, then creates them all in the order
// of the running numbers of their object names (the order the form was
// drawn in); names without a number come first, in the order given.
class Builder
{
public:
    explicit Builder(QWidget *page);

    Builder &rows(const Row *rows, std::size_t count, const RowLayout &layout = RowLayout());
    template <std::size_t N>
    Builder &rows(const Row (&table)[N], const RowLayout &layout = RowLayout())
    {
        return rows(table, N, layout);
    }
    Builder &widgets(const Widget *widgets, std::size_t count);
    template <std::size_t N>
    Builder &widgets(const Widget (&table)[N])
    {
        return widgets(table, N);
    }

    // Creates everything collected so far and adds it to `built`.
    void build(Built &built);

private:
    struct Pending
    {
        int number;
        int sequence;
        Kind kind;
        QString name;
        int x, y, width, height;
        int rowIndex; // into m_rows; -1 for a widget
        int rowSlot;  // 0 caption, 1 value field, 2 fader
        const Widget *widget;
    };

    QWidget *m_page;
    std::vector<Pending> m_pending;
    std::vector<const Row *> m_rows;
};

// The running number at the end of an object name; -1 when it has none.
// A copy's suffix ("textLabel495_2") does not count: the copy has its
// original's number.
int runningNumber(const QString &name);

// Gives the built widgets their texts and addresses, each through the
// translation function with `context`: row captions their text (the address
// for nameA, "StaticText" for nameP), value fields and faders their address.
void applyTexts(const char *context, const Built &built);

// The standard settings of the value fields and faders of every form.
void setUpValueField(CTextSlider *valueField);
void setUpFader(CFader *fader);

// The settings of a form's pop-up selectors: a button whose text is cyan on
// black, with the palette foreground `foreground`, taking focus as `focus`
// says and opening a grid of `columns` columns.
void setUpPopup(CPopup *popup, const QColor &foreground, Qt::FocusPolicy focus, int columns);

// The settings of a display that names a parameter's value and asks the host
// for a selection when clicked: cyan on black, inverse on focus, grey when
// disabled, the whole label its hot spot.
void setUpDisplay(CHotspotLabel *display);

} // namespace Form
