#include "portamentodetail.h"

#include <QTabWidget>

namespace {

using Form::Row;

// Row n (0 to 4): caption at (15, 8 + 32n), value field at (20, 24 + 32n),
// fader at (90, 24 + 32n).
// clang-format off
constexpr Row rows[] = {
    // caption        caption label    value field        fader         address                                      x   y
    { "Switch",       "textLabel1872", "cTextSlider1862", "cFader1863", "00kNormalCommon/kNrmComQEDPortamentoSw",   20, 24 },
    { "Time",         "textLabel1873", "cTextSlider1864", "cFader1865", "00kNormalCommon/kNrmComQEDPortamentoTime", 20, 56 },
    { "Time Mode",    "textLabel1874", "cTextSlider1866", "cFader1867", "00kNormalCommon/kNrmComPortamentoMode",    20, 88 },
    { "Mode",         "textLabel1875", "cTextSlider1868", "cFader1869", "00kNormalCommon/kNrmComQEDPortamentoMode", 20, 120 },
    { "Legato Slope", "textLabel1876", "cTextSlider1870", "cFader1871", "00kNormalCommon/kNrmComLegatoSlope",       20, 152 },
};
// clang-format on

Form::RowLayout rowLayout()
{
    Form::RowLayout layout;
    layout.captionWidth = 80;
    return layout;
}

constexpr int formWidth = 327;
constexpr int formHeight = 244;

} // namespace

PortamentoDetail::PortamentoDetail(QWidget *parent, const char *name, bool modal,
                                   Qt::WindowFlags flags)
    : DetailDialog(parent, name, modal, flags)
{
    if (!name)
        setObjectName(QStringLiteral("PortamentoDetail"));
    fixSize(formWidth, formHeight);

    tabWidget2 = new QTabWidget(this);
    tabWidget2->setObjectName(QStringLiteral("tabWidget2"));
    tabWidget2->setGeometry(0, 0, formWidth, formHeight);
    tab0 = new QWidget(tabWidget2);
    tab0->setObjectName(QStringLiteral("tab0"));
    Form::Builder(tab0).rows(rows, rowLayout()).build(m_form);
    tabWidget2->addTab(tab0, QString());

    languageChange();
    resizeToForm(formWidth, formHeight);
}

void PortamentoDetail::connectMemAPI()
{
    if (!memAPI())
        return;
    emit signalInitialise();
    emit signalUpdateTabs();
}

void PortamentoDetail::languageChange()
{
    setWindowTitle(tr("Portamento Detail"));
    Form::applyTexts("PortamentoDetail", m_form);
    tabWidget2->setTabText(tabWidget2->indexOf(tab0), tr("PORTAMENTO"));
}
