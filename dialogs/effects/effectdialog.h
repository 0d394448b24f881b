#pragma once

#include <detaildialog.h>
#include <formbuilder.h>

#include <QByteArray>

#include <cstddef>
#include <deque>
#include <vector>

class QTabWidget;

// What sets one effect dialog apart from the others. Everything that depends
// on the effect type (names, ranges, value texts, the list of types, which
// parameters a type uses) is the parameter memory's, so none of it is here.
struct EffectDesign
{
    // A widget whose x is not the one the form's rule gives it.
    struct Placement
    {
        const char *objectName;
        int x;
    };
    // A label of the second page that the label address map names.
    struct LabelEntry
    {
        const char *label;
        const char *address;
    };

    const char *className;    // default object name and translation context
    int base;                 // N: the number in the type pull-down's object name
    const char *typeAddress;  // "00kNormalCommonInsA/kNrmInsAType"
    const char *paramAddress; // row n carries this followed by n
    const char *caption;      // set by languageChange()
    const char *pageLabel;
    const char *initCaption; // set by init() over the above; null: none
    const char *initPageLabel;
    const Placement *placements;
    std::size_t placementCount;
    // The second page, "RETURN" (reverb and chorus): its widgets in creation
    // order, its label and the label address map entries of its captions.
    const Form::Widget *secondPage;
    std::size_t secondPageCount;
    const char *secondPageLabel;
    const LabelEntry *secondPageLabels;
    std::size_t secondPageLabelCount;
};

// The effect form: a type pull-down and sixteen rows "Param1" to "Param16",
// each a number label, a name label showing the parameter's name, a value
// field and a fader. The population helper relabels the rows and rebuilds
// the type list whenever the type parameter changes; the dialog only gives
// the addresses and tells the helper which parameter to watch.
class EffectDialog : public DetailDialog
{
    Q_OBJECT

public:
    enum { Width = 367, Height = 349, RowCount = 16 };

    // The object names of the form, from its base number N.
    static QByteArray typePullDownName(int base);
    static QByteArray valueFieldName(int base, int row);
    static QByteArray faderName(int base, int row);
    static QByteArray typeLabelName(int base);
    static QByteArray numberLabelName(int base, int row);
    static QByteArray nameLabelName(int base, int row);

public slots:
    // Watches the block's type and starts the population helper.
    void connectMemAPI() override;

signals:
    void signalRegisterNotifier(QString address, bool bCanFlush);
    void signalInitialise();
    void signalUpdateTabs();

protected:
    EffectDialog(const EffectDesign &design, QWidget *parent, const char *name, bool modal,
                 Qt::WindowFlags flags);

    // The insertion dialogs' final captions and the label address map.
    virtual void init();

protected slots:
    void languageChange() override;

private:
    QString translated(const char *text) const;
    QString rowAddress(int row) const;
    void generateFirstPage();
    void setUpTypePullDown();

    const EffectDesign &m_design;
    // The first page's widget table, generated from the form's rule; the
    // strings it points to live as long as the dialog.
    std::deque<QByteArray> m_strings;
    std::vector<Form::Widget> m_firstPageTable;
    QTabWidget *tabWidget2;
    QWidget *tab0;
    QWidget *tab0_2 = nullptr;
    Form::Built m_firstPage;
    Form::Built m_secondPage;
};
