#include "effectdialog.h"

#include <cpopup.h>

#include <QCoreApplication>
#include <QTabWidget>

namespace {

using Form::Kind;

// Row n (1 to 16) stands in column c = 0 for n <= 8 and 1 for n >= 9, on
// line k = (n - 1) mod 8 of its column:
//   number label "n."         (15 + 175c, 50 + 32k, 20, 16)
//   name label "StaticText"   (35 + 175c, 50 + 32k, 140, 16)
//   value field               (35 + 175c, 66 + 32k, 60, 16)
//   fader                     (105 + 175c, 66 + 32k, 55, 16)
constexpr int columnOf(int row)
{
    return row <= 8 ? 0 : 1;
}
constexpr int lineOf(int row)
{
    return (row - 1) % 8;
}
constexpr int columnX(int row)
{
    return 175 * columnOf(row);
}
constexpr int labelY(int row)
{
    return 50 + 32 * lineOf(row);
}
constexpr int controlY(int row)
{
    return 66 + 32 * lineOf(row);
}

QByteArray numbered(const char *prefix, int number)
{
    return QByteArray(prefix) + QByteArray::number(number);
}

} // namespace

// Object names, numbered in creation order from the type pull-down's N.
QByteArray EffectDialog::typePullDownName(int base)
{
    return numbered("cPullDownMenu", base);
}
QByteArray EffectDialog::valueFieldName(int base, int row)
{
    return numbered("cTextSlider", base + 2 * row - 1);
}
QByteArray EffectDialog::faderName(int base, int row)
{
    return numbered("cFader", base + 2 * row);
}
QByteArray EffectDialog::typeLabelName(int base)
{
    return numbered("textLabel", base + 33);
}
QByteArray EffectDialog::numberLabelName(int base, int row)
{
    return numbered("textLabel", base + 33 + row);
}
QByteArray EffectDialog::nameLabelName(int base, int row)
{
    return numbered("textLabel", base + 49 + row);
}

EffectDialog::EffectDialog(const EffectDesign &design, QWidget *parent, const char *name,
                           bool modal, Qt::WindowFlags flags)
    : DetailDialog(parent, name, modal, flags)
    , m_design(design)
{
    if (!name)
        setObjectName(QLatin1String(design.className));
    fixSize(Width, Height);

    tabWidget2 = new QTabWidget(this);
    tabWidget2->setObjectName(QStringLiteral("tabWidget2"));
    tabWidget2->setGeometry(0, 0, Width, Height);
    tab0 = new QWidget(tabWidget2);
    tab0->setObjectName(QStringLiteral("tab0"));
    generateFirstPage();
    Form::Builder(tab0)
        .widgets(m_firstPageTable.data(), m_firstPageTable.size())
        .build(m_firstPage);
    setUpTypePullDown();
    tabWidget2->addTab(tab0, QString());

    if (design.secondPage) {
        tab0_2 = new QWidget(tabWidget2);
        tab0_2->setObjectName(QStringLiteral("tab0_2"));
        Form::Builder(tab0_2)
            .widgets(design.secondPage, design.secondPageCount)
            .build(m_secondPage);
        tabWidget2->addTab(tab0_2, QString());
    }

    languageChange();
    resizeToForm(Width, Height);
    init();
}

// The first page's table, in creation order: the type pull-down, the value
// field and fader of every row, the "Type" caption, the number labels, the
// name labels. Texts and addresses are handed out by languageChange() in the
// same order.
void EffectDialog::generateFirstPage()
{
    const int n0 = m_design.base;
    auto keep = [this](const QByteArray &text) { return m_strings.emplace_back(text).constData(); };
    auto add = [&](Kind kind, const QByteArray &name, int x, int y, int width, int height,
                   const char *text, const char *address) {
        const char *objectName = keep(name);
        for (std::size_t i = 0; i < m_design.placementCount; ++i) {
            if (qstrcmp(m_design.placements[i].objectName, objectName) == 0)
                x = m_design.placements[i].x;
        }
        m_firstPageTable.push_back({ kind, objectName, x, y, width, height, text, address });
    };

    add(Kind::Popup, typePullDownName(n0), 100, 20, 94, 16, nullptr, m_design.typeAddress);
    for (int n = 1; n <= RowCount; ++n) {
        const char *address = keep(rowAddress(n).toLatin1());
        add(Kind::TextSlider, valueFieldName(n0, n), 35 + columnX(n), controlY(n), 60, 16, nullptr,
            address);
        add(Kind::Fader, faderName(n0, n), 105 + columnX(n), controlY(n), 55, 16, nullptr, address);
    }
    add(Kind::Label, typeLabelName(n0), 50, 20, 40, 16, "Type", nullptr);
    for (int n = 1; n <= RowCount; ++n)
        add(Kind::Label, numberLabelName(n0, n), 15 + columnX(n), labelY(n), 20, 16,
            keep(QByteArray::number(n) + '.'), nullptr);
    for (int n = 1; n <= RowCount; ++n)
        add(Kind::Label, nameLabelName(n0, n), 35 + columnX(n), labelY(n), 140, 16, "StaticText",
            nullptr);
}

void EffectDialog::setUpTypePullDown()
{
    Form::setUpPopup(m_firstPage.find<CPopup>(typePullDownName(m_design.base).constData()),
                     QColor(0, 255, 255), Qt::StrongFocus, 7);
}

QString EffectDialog::translated(const char *text) const
{
    return QCoreApplication::translate(m_design.className, text);
}

QString EffectDialog::rowAddress(int row) const
{
    return QLatin1String(m_design.paramAddress) + QString::number(row);
}

void EffectDialog::connectMemAPI()
{
    if (!memAPI())
        return;
    emit signalRegisterNotifier(QLatin1String(m_design.typeAddress), false);
    emit signalInitialise();
}

void EffectDialog::languageChange()
{
    setWindowTitle(translated(m_design.caption));
    Form::applyTexts(m_design.className, m_firstPage);
    tabWidget2->setTabText(tabWidget2->indexOf(tab0), translated(m_design.pageLabel));
    if (tab0_2) {
        Form::applyTexts(m_design.className, m_secondPage);
        tabWidget2->setTabText(tabWidget2->indexOf(tab0_2), translated(m_design.secondPageLabel));
    }
}

void EffectDialog::init()
{
    if (m_design.initCaption) {
        setWindowTitle(translated(m_design.initCaption));
        tabWidget2->setTabText(tabWidget2->indexOf(tab0), translated(m_design.initPageLabel));
    }
    for (int n = 1; n <= RowCount; ++n)
        labelAddressMap.emplace(QLatin1String(nameLabelName(m_design.base, n)), rowAddress(n));
    for (std::size_t i = 0; i < m_design.secondPageLabelCount; ++i) {
        const EffectDesign::LabelEntry &entry = m_design.secondPageLabels[i];
        labelAddressMap.emplace(QLatin1String(entry.label), QLatin1String(entry.address));
    }
}
