#include "ctrlset.h"

#include <QTabWidget>

namespace {

using Form::Kind;

// Controller-set rows n = 1, 2. Each also has ten "4" buttons named after its
// value field (see ControllerForm::Table::addRowButtons) and a 26 x 26 "203"
// button at (309, y - 8) named after its pull-down menu.
struct SetRow
{
    const char *valueField; // (280, y, 24, 13)
    const char *depth;
    const char *pullDown; // (342, y, 72, 13)
    const char *destination;
    int y;
};

// clang-format off
constexpr SetRow setRows[] = {
    { "cTextSlider2375", "00kNormalCommonController/kNrmComCtrlDepth1",
      "cPullDownMenu2376", "00kNormalCommonController/kNrmComCtrlDest1", 42 },
    { "cTextSlider2377", "00kNormalCommonController/kNrmComCtrlDepth2",
      "cPullDownMenu2378", "00kNormalCommonController/kNrmComCtrlDest2", 72 },
};
// clang-format on

// The first element's controller grid: one value field (24 x 13) per source
// and target, each followed by a 26 x 26 "203" button at (x + 33, y - 7).
// Sources by row: modulation wheel (151), aftertouch (184), assignable
// controller 1 (217); targets by column: pitch (116), filter (207), pitch
// modulation (298), filter modulation (389), amplitude modulation (480).
struct GridCell
{
    const char *valueField;
    const char *button;
    int x;
    int y;
    const char *address;
};

// clang-format off
constexpr GridCell grid[] = {
    { "cTextSlider2379", "pushButton2380", 207, 151, "00kNormalElement/kNrmElmMWFilterCtrl" },
    { "cTextSlider2380", "pushButton2381", 298, 151, "00kNormalElement/kNrmElmMWPM" },
    { "cTextSlider2381", "pushButton2382", 389, 151, "00kNormalElement/kNrmElmMWFM" },
    { "cTextSlider2382", "pushButton2383", 480, 151, "00kNormalElement/kNrmElmMWAM" },
    { "cTextSlider2383", "pushButton2384", 116, 184, "00kNormalElement/kNrmElmATPitch" },
    { "cTextSlider2384", "pushButton2385", 207, 184, "00kNormalElement/kNrmElmATCutoff" },
    { "cTextSlider2385", "pushButton2386", 298, 184, "00kNormalElement/kNrmElmATPM" },
    { "cTextSlider2386", "pushButton2387", 389, 184, "00kNormalElement/kNrmElmATFM" },
    { "cTextSlider2387", "pushButton2388", 480, 184, "00kNormalElement/kNrmElmATAM" },
    { "cTextSlider2388", "pushButton2389", 207, 217, "00kNormalElement/kNrmElmAC1Cutoff" },
    { "cTextSlider2389", "pushButton2390", 298, 217, "00kNormalElement/kNrmElmAC1PM" },
    { "cTextSlider2390", "pushButton2391", 389, 217, "00kNormalElement/kNrmElmAC1FM" },
    { "cTextSlider2391", "pushButton2392", 480, 217, "00kNormalElement/kNrmElmAC1AM" },
};
// clang-format on

// The controller number of assignable controller 1.
constexpr Form::Widget controllerNumber = {
    Kind::Popup, "cPullDownMenu2392", 108, 220, 74, 13, nullptr, "00kNormalElement/kNrmElmAC1CtrlNo"
};

constexpr int formWidth = 565;
constexpr int formHeight = 300;

} // namespace

CtrlSet::CtrlSet(QWidget *parent, const char *name, bool modal, Qt::WindowFlags flags)
    : DetailDialog(parent, name, modal, flags)
{
    if (!name)
        setObjectName(QStringLiteral("CtrlSet"));
    fixSize(formWidth, formHeight);

    tabWidget2 = new QTabWidget(this);
    tabWidget2->setObjectName(QStringLiteral("tabWidget2"));
    tabWidget2->setGeometry(0, 0, formWidth, formHeight);
    tab0 = new QWidget(tabWidget2);
    tab0->setObjectName(QStringLiteral("tab0"));

    // Row by row, each row's widgets in the order of their numbers, a row's
    // button copies after them.
    for (const SetRow &row : setRows) {
        m_table.add(Kind::TextSlider, row.valueField, 280, row.y, 24, 13, nullptr, row.depth);
        m_table.add(Kind::Popup, row.pullDown, 342, row.y, 72, 13, nullptr, row.destination);
        m_table.add(Kind::PushButton,
                    "pushButton" + QByteArray::number(ControllerForm::numberOf(row.pullDown)), 309,
                    row.y - 8, 26, 26, "203");
        m_table.addRowButtons(row.valueField, row.y);
    }
    for (const GridCell &cell : grid) {
        m_table.add(Kind::TextSlider, cell.valueField, cell.x, cell.y, 24, 13, nullptr,
                    cell.address);
        m_table.add(Kind::PushButton, cell.button, cell.x + 33, cell.y - 7, 26, 26, "203");
    }
    m_table.add(controllerNumber.kind, controllerNumber.name, controllerNumber.x,
                controllerNumber.y, controllerNumber.width, controllerNumber.height, nullptr,
                controllerNumber.address);
    m_table.build(tab0, m_form);
    ControllerForm::setUpPullDowns(m_form);
    tabWidget2->addTab(tab0, QString());

    languageChange();
    resizeToForm(formWidth, formHeight);
}

void CtrlSet::connectMemAPI()
{
    // Nothing to watch and nothing to initialise: the controls are bound by
    // the parameter memory when the dialog is handed to it.
    memAPI();
}

void CtrlSet::languageChange()
{
    setWindowTitle(tr("CtrlSet"));
    Form::applyTexts("CtrlSet", m_form);
    tabWidget2->setTabText(tabWidget2->indexOf(tab0), tr("Sheet1"));
}
