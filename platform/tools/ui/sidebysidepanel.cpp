#include "sidebysidepanel.h"

#include "secondvoicebutton.h"
#include "soundtools.h"

#include <secondvoice.h>

#include <voicevariation.h>

#include <parameterschema.h>
#include <tparametermemory.h>

#include <QCheckBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

#include <algorithm>
#include <set>

SideBySidePanel::SideBySidePanel(SoundTools *tools, QWidget *parent)
    : QWidget(parent)
    , m_tools(tools)
    , m_second(new QLabel(tr("Choose a second voice to set beside this one."), this))
    , m_table(new QTableWidget(0, ColumnCount, this))
    , m_onlyDifferences(new QCheckBox(tr("Only what differs"), this))
{
    auto *choose = new SecondVoiceButton(tools, tr("Side by Side"), this);
    choose->setObjectName(QStringLiteral("chooseSideBySide"));
    auto *take = new QPushButton(tr("Take Value"), this);
    take->setObjectName(QStringLiteral("takeValue"));
    take->setToolTip(tr("Give the chosen rows the second voice's values"));
    m_second->setWordWrap(true);
    m_table->setObjectName(QStringLiteral("sideBySide"));
    m_table->setHorizontalHeaderLabels(
        { tr("Parameter"), tr("Part"), tr("This Voice"), tr("Second Voice") });
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // One line a parameter, as the editor's view shows them.
    m_table->setWordWrap(false);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setColumnWidth(Parameter, 150);
    m_table->setColumnWidth(Part, 80);
    m_onlyDifferences->setObjectName(QStringLiteral("onlyDifferences"));
    auto *grid = new QGridLayout(this);
    grid->addWidget(choose, 0, 0);
    grid->addWidget(m_onlyDifferences, 0, 1);
    grid->addWidget(m_second, 1, 0, 1, 3);
    grid->addWidget(m_table, 2, 0, 1, 3);
    grid->addWidget(take, 3, 2);

    connect(tools->secondVoice(), &::SecondVoice::changed, this,
            &SideBySidePanel::secondVoiceChanged);
    connect(take, &QPushButton::clicked, this, &SideBySidePanel::takeChosen);
    connect(m_table, &QTableWidget::itemDoubleClicked, this, &SideBySidePanel::takeChosen);
    connect(m_onlyDifferences, &QCheckBox::toggled, this, &SideBySidePanel::refresh);
    TParameterMemory *memory = tools->memory();
    connect(memory, &TParameterMemory::parameterChanged, this, &SideBySidePanel::scheduleRefresh);
    connect(memory, &TParameterMemory::editBufferLoaded, this, &SideBySidePanel::scheduleRefresh);
    connect(memory, &TParameterMemory::voiceTypeChanged, this,
            &SideBySidePanel::secondVoiceChanged);
}

const std::optional<Voice> &SideBySidePanel::second() const
{
    return m_tools->secondVoice()->voice();
}

void SideBySidePanel::secondVoiceChanged()
{
    const ::SecondVoice *voice = m_tools->secondVoice();
    if (!second())
        m_second->setText(tr("Choose a second voice to set beside this one."));
    else if (second()->type != m_tools->memory()->voiceType())
        m_second->setText(voice->refusal(*second(), voice->origin()));
    else
        m_second->setText(tr("Beside \"%1\" (%2)").arg(second()->name, voice->origin()));
    rebuild();
}

void SideBySidePanel::rebuild()
{
    m_refs.clear();
    if (second() && second()->type == m_tools->memory()->voiceType())
        m_refs = VoiceVariation::variableValues(*m_tools->memory());
    // The rows in schema order, as the view lists them.
    std::sort(m_refs.begin(), m_refs.end());
    m_table->setRowCount(int(m_refs.size()));
    refresh();
}

void SideBySidePanel::scheduleRefresh()
{
    if (m_refreshQueued || !second())
        return;
    m_refreshQueued = true;
    QTimer::singleShot(0, this, &SideBySidePanel::refresh);
}

void SideBySidePanel::refresh()
{
    m_refreshQueued = false;
    if (!second())
        return;
    const Voice &other = *second();
    const TParameterMemory &memory = *m_tools->memory();
    const ParameterSchema::Schema &schema = memory.schema();
    QFont marked = m_table->font();
    marked.setBold(true);
    for (int row = 0; row < int(m_refs.size()); ++row) {
        const ParameterRef &ref = m_refs[std::size_t(row)];
        const int mine = memory.value(ref);
        const int theirs = other.value(ref);
        // The second voice's value reads as its own types make it.
        const ParameterSchema::Parameter p = schema.effective(
            ref.high, ref.low, other.values[ref.high][std::size_t(ref.part)], ref.part);
        const QString texts[ColumnCount] = {
            memory.fullName(ref), PartNames::partName(memory.partCount(ref.high), ref.part),
            memory.valueText(ref, mine), p.format.text(theirs, p.minimum)
        };
        const bool differs = mine != theirs;
        for (int column = 0; column < ColumnCount; ++column) {
            QTableWidgetItem *item = m_table->item(row, column);
            if (!item) {
                item = new QTableWidgetItem;
                m_table->setItem(row, column, item);
            }
            item->setText(texts[column]);
            item->setFont(differs ? marked : m_table->font());
        }
        m_table->item(row, SecondVoice)->setData(Qt::UserRole, differs);
        m_table->setRowHidden(row, m_onlyDifferences->isChecked() && !differs);
    }
}

int SideBySidePanel::rowOf(const ParameterRef &ref) const
{
    const auto it = std::find(m_refs.begin(), m_refs.end(), ref);
    return it == m_refs.end() ? -1 : int(it - m_refs.begin());
}

bool SideBySidePanel::takeChosen()
{
    std::set<int> rows;
    for (const QModelIndex &index : m_table->selectionModel()->selectedRows())
        rows.insert(index.row());
    if (rows.empty() || !second())
        return false;
    const Voice &other = *second();
    TParameterMemory &memory = *m_tools->memory();
    const QString name = rows.size() == 1
        ? tr("Take %1 from \"%2\"")
              .arg(memory.fullName(m_refs[std::size_t(*rows.begin())]), other.name)
        : tr("Take %1 values from \"%2\"").arg(rows.size()).arg(other.name);
    return m_tools->runStep(name, [&] {
        for (const bool types : { true, false }) {
            for (const int row : rows) {
                const ParameterRef &ref = m_refs[std::size_t(row)];
                if (memory.isTypeParameter(ref.high, ref.low) == types)
                    memory.setValue(ref, other.value(ref));
            }
        }
    });
}
