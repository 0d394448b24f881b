#include "ctrlsetcomlfo.h"

#include <QTabWidget>

namespace {

using Form::Kind;

// Controller-set rows n = 1 to 6 at y = 42 + 30(n - 1): a value field
// (282, y, 21, 12) and a pull-down menu (342, y, 72, 13). Each row also has
// ten "4" buttons named after its value field (ControllerForm::Table::
// addRowButtons), a 26 x 26 "203" button at (309, y - 8) named after its
// pull-down menu, and four 35 x 13 "4" buttons at (424 + 38k, y - 1), k = 0
// to 3, which the form names as copies of the "203" button.
struct SetRow
{
    const char *valueField;
    const char *depth;
    const char *pullDown;
    const char *destination;
};

// clang-format off
constexpr SetRow setRows[] = {
    { "cTextSlider105", "00kNormalCommonController/kNrmComCtrlDepth1",
      "cPullDownMenu106", "00kNormalCommonController/kNrmComCtrlDest1" },
    { "cTextSlider107", "00kNormalCommonController/kNrmComCtrlDepth2",
      "cPullDownMenu108", "00kNormalCommonController/kNrmComCtrlDest2" },
    { "cTextSlider109", "00kNormalCommonController/kNrmComCtrlDepth3",
      "cPullDownMenu110", "00kNormalCommonController/kNrmComCtrlDest3" },
    { "cTextSlider111", "00kNormalCommonController/kNrmComCtrlDepth4",
      "cPullDownMenu112", "00kNormalCommonController/kNrmComCtrlDest4" },
    { "cTextSlider113", "00kNormalCommonController/kNrmComCtrlDepth5",
      "cPullDownMenu114", "00kNormalCommonController/kNrmComCtrlDest5" },
    { "cTextSlider115", "00kNormalCommonController/kNrmComCtrlDepth6",
      "cPullDownMenu116", "00kNormalCommonController/kNrmComCtrlDest6" },
};
// clang-format on

constexpr int setRowY(int n)
{
    return 42 + 30 * (n - 1);
}

// The common LFO column, k = 0 to 6 at (51, 259 + 22k, 41, 13).
struct LfoControl
{
    const char *name;
    Kind kind;
    const char *address;
};

// clang-format off
constexpr LfoControl lfoColumn[] = {
    { "cPullDownMenu117", Kind::Popup, "00kNormalCommonLFO/kNrmComLFOWave" },
    { "cTextSlider118", Kind::TextSlider, "00kNormalCommonLFO/kNrmComLFOSpeed" },
    { "cPullDownMenu119", Kind::Popup, "00kNormalCommonLFO/kNrmComLFOPhase" },
    { "cPullDownMenu120", Kind::Popup, "00kNormalCommonLFO/kNrmComLFOKeyOnReset" },
    { "cPullDownMenu121", Kind::Popup, "00kNormalCommonLFO/kNrmComLFOTempoSync" },
    { "cTextSlider122", Kind::TextSlider, "00kNormalCommonLFO/kNrmComLFOTempoSpeed" },
    { "cTextSlider123", Kind::TextSlider, "00kNormalCommonLFO/kNrmComLFORandomSpeedDepth" },
};
// clang-format on

// Beside the column.
constexpr Form::Widget lfoButton = { Kind::PushButton, "pushButton124", 101, 257, 57, 16, "0" };

// The element LFO phase offsets, element e = 0 to 3 at (431 + 38e, 260, 22, 12).
constexpr const char *phaseOffsetFields[] = { "cTextSlider124", "cTextSlider125", "cTextSlider126",
                                              "cTextSlider127" };
constexpr const char *phaseOffsets[] = {
    "00kNormalElementLFO/kNrmElmLFOPhaseOffset",
    "10kNormalElementLFO/kNrmElmLFOPhaseOffset",
    "20kNormalElementLFO/kNrmElmLFOPhaseOffset",
    "30kNormalElementLFO/kNrmElmLFOPhaseOffset",
};

// The common LFO depth slots: the common depth (282, y, 21, 12), the
// destination menu (341, y, 72, 13), and the element depths of elements 1
// to 4 at (431 + 38e, y + 17, 22, 12). Each slot also has a 26 x 26 "203"
// button at (309, y - 8) named after its destination menu, and above each
// element depth a 35 x 13 "4" button at (424 + 38e, y - 1) named after it.
struct DepthSlot
{
    int y;
    const char *depthField;
    const char *depth;
    const char *pullDown;
    const char *destination;
    const char *elementFields[4];
    const char *elementDepths[4];
};

// clang-format off
constexpr DepthSlot depthSlots[] = {
    { 291, "cTextSlider128", "00kNormalCommonLFO/kNrmComLFODepth1",
      "cPullDownMenu129", "00kNormalCommonLFO/kNrmComLFODest1",
      { "cTextSlider130", "cTextSlider131", "cTextSlider132", "cTextSlider133" },
      { "00kNormalElementLFO/kNrmElmLFODepth1", "10kNormalElementLFO/kNrmElmLFODepth1",
        "20kNormalElementLFO/kNrmElmLFODepth1", "30kNormalElementLFO/kNrmElmLFODepth1" } },
    { 333, "cTextSlider134", "00kNormalCommonLFO/kNrmComLFODepth2",
      "cPullDownMenu135", "00kNormalCommonLFO/kNrmComLFODest2",
      { "cTextSlider136", "cTextSlider137", "cTextSlider138", "cTextSlider139" },
      { "00kNormalElementLFO/kNrmElmLFODepth2", "10kNormalElementLFO/kNrmElmLFODepth2",
        "20kNormalElementLFO/kNrmElmLFODepth2", "30kNormalElementLFO/kNrmElmLFODepth2" } },
    { 375, "cTextSlider140", "00kNormalCommonLFO/kNrmComLFODepth3",
      "cPullDownMenu141", "00kNormalCommonLFO/kNrmComLFODest3",
      { "cTextSlider142", "cTextSlider143", "cTextSlider144", "cTextSlider145" },
      { "00kNormalElementLFO/kNrmElmLFODepth3", "10kNormalElementLFO/kNrmElmLFODepth3",
        "20kNormalElementLFO/kNrmElmLFODepth3", "30kNormalElementLFO/kNrmElmLFODepth3" } },
};
// clang-format on

// The last button, of no size.
constexpr Form::Widget emptyButton = { Kind::PushButton, "pushButton146", 0, 0, 0, 0, "0" };

constexpr int formWidth = 585;
constexpr int formHeight = 450;

QByteArray buttonOf(const char *control)
{
    return "pushButton" + QByteArray::number(ControllerForm::numberOf(control));
}

} // namespace

CtrlSetComLFO::CtrlSetComLFO(QWidget *parent, const char *name, bool modal, Qt::WindowFlags flags)
    : DetailDialog(parent, name, modal, flags)
{
    if (!name)
        setObjectName(QStringLiteral("CtrlSetComLFO"));
    fixSize(formWidth, formHeight);

    tabWidget2 = new QTabWidget(this);
    tabWidget2->setObjectName(QStringLiteral("tabWidget2"));
    tabWidget2->setGeometry(0, 0, formWidth, formHeight);
    tab0 = new QWidget(tabWidget2);
    tab0->setObjectName(QStringLiteral("tab0"));

    // Row by row, then the LFO part in the order of its numbers.
    for (int n = 1; n <= 6; ++n) {
        const SetRow &row = setRows[n - 1];
        const int y = setRowY(n);
        m_table.add(Kind::TextSlider, row.valueField, 282, y, 21, 12, nullptr, row.depth);
        m_table.add(Kind::Popup, row.pullDown, 342, y, 72, 13, nullptr, row.destination);
        m_table.add(Kind::PushButton, buttonOf(row.pullDown), 309, y - 8, 26, 26, "203");
        m_table.addRowButtons(row.valueField, y);
        for (int k = 0; k < 4; ++k)
            m_table.add(Kind::PushButton, ControllerForm::copyName(buttonOf(row.pullDown), k + 2),
                        424 + 38 * k, y - 1, 35, 13, "4");
        m_table.nextBatch();
    }
    for (int k = 0; k < 7; ++k) {
        const LfoControl &c = lfoColumn[k];
        m_table.add(c.kind, c.name, 51, 259 + 22 * k, 41, 13, nullptr, c.address);
    }
    m_table.add(lfoButton.kind, lfoButton.name, lfoButton.x, lfoButton.y, lfoButton.width,
                lfoButton.height, lfoButton.text);
    for (int e = 0; e < 4; ++e)
        m_table.add(Kind::TextSlider, phaseOffsetFields[e], 431 + 38 * e, 260, 22, 12, nullptr,
                    phaseOffsets[e]);
    for (const DepthSlot &slot : depthSlots) {
        m_table.add(Kind::TextSlider, slot.depthField, 282, slot.y, 21, 12, nullptr, slot.depth);
        m_table.add(Kind::Popup, slot.pullDown, 341, slot.y, 72, 13, nullptr, slot.destination);
        m_table.add(Kind::PushButton, buttonOf(slot.pullDown), 309, slot.y - 8, 26, 26, "203");
        for (int e = 0; e < 4; ++e) {
            m_table.add(Kind::PushButton, buttonOf(slot.elementFields[e]), 424 + 38 * e, slot.y - 1,
                        35, 13, "4");
            m_table.add(Kind::TextSlider, slot.elementFields[e], 431 + 38 * e, slot.y + 17, 22, 12,
                        nullptr, slot.elementDepths[e]);
        }
    }
    m_table.add(emptyButton.kind, emptyButton.name, emptyButton.x, emptyButton.y, emptyButton.width,
                emptyButton.height, emptyButton.text);
    m_table.build(tab0, m_form);
    ControllerForm::setUpPullDowns(m_form);
    tabWidget2->addTab(tab0, QString());

    languageChange();
    resizeToForm(formWidth, formHeight);
}

void CtrlSetComLFO::connectMemAPI()
{
    // As CtrlSet: the parameter memory binds the controls; nothing else to do.
    memAPI();
}

void CtrlSetComLFO::languageChange()
{
    setWindowTitle(tr("CtrlSet/ComLFO"));
    Form::applyTexts("CtrlSetComLFO", m_form);
    tabWidget2->setTabText(tabWidget2->indexOf(tab0), tr("CTRL SET"));
}
