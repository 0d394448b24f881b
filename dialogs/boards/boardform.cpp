#include "boardform.h"

#include <QCoreApplication>
#include <QDialog>
#include <QTabWidget>

namespace {

constexpr int columnPitch = 155;
constexpr int rowPitch = 32;

} // namespace

QRect BoardForm::valueFieldRect(int column, int row)
{
    return QRect(20 + columnPitch * (column - 1), 46 + rowPitch * (row - 1), 60, 16);
}

const char *BoardForm::keep(const QByteArray &text)
{
    return m_names.emplace_back(text).constData();
}

void BoardForm::build(QDialog *dialog, const BoardDesign &design)
{
    m_design = &design;
    m_tabs = new QTabWidget(dialog);
    m_tabs->setObjectName(QStringLiteral("tabWidget2"));
    m_tabs->setGeometry(0, 0, design.width, height);

    // The grid's row layout is the builder's standard one: caption 5 left of
    // and 16 above the value field, fader 70 to its right.
    const Form::RowLayout layout;
    int running = 0;
    const int pageCount = design.secondPage ? 2 : 1;
    for (int p = 0; p < pageCount; ++p) {
        m_pages[p] = new QWidget(m_tabs);
        m_pages[p]->setObjectName(p == 0 ? QStringLiteral("tab0") : QStringLiteral("tab0_2"));

        std::vector<const BoardRow *> pageRows;
        for (std::size_t i = 0; i < design.rowCount; ++i) {
            if (design.rows[i].page == p + 1)
                pageRows.push_back(&design.rows[i]);
        }
        // Value fields and faders first, captions after them; the builder
        // creates the widgets in the order of these numbers.
        const int firstCaption = running + 2 * static_cast<int>(pageRows.size());
        std::vector<Form::Row> &rows = m_rows[p];
        rows.reserve(pageRows.size());
        for (std::size_t i = 0; i < pageRows.size(); ++i) {
            const BoardRow &row = *pageRows[i];
            const QRect field = valueFieldRect(row.column, row.row);
            const int number = running + 2 * static_cast<int>(i);
            Form::Row built = {
                row.caption,
                keep("textLabel" + QByteArray::number(firstCaption + static_cast<int>(i))),
                keep("cTextSlider" + QByteArray::number(number)),
                keep("cFader" + QByteArray::number(number + 1)),
                design.letters ? keep(QByteArray(row.address).replace("%1", design.letters))
                               : row.address,
                field.x(),
                field.y(),
            };
            if (row.captionWidth != layout.captionWidth)
                built.exception.captionWidth = row.captionWidth;
            rows.push_back(built);
        }
        running = firstCaption + static_cast<int>(pageRows.size());

        Form::Builder(m_pages[p]).rows(rows.data(), rows.size(), layout).build(m_built);
        m_tabs->addTab(m_pages[p], QString());
    }
}

void BoardForm::applyTexts(QDialog *dialog) const
{
    const char *context = m_design->className;
    dialog->setWindowTitle(QCoreApplication::translate(context, m_design->title));
    m_tabs->setTabText(m_tabs->indexOf(m_pages[0]),
                       QCoreApplication::translate(context, m_design->firstPage));
    if (m_pages[1])
        m_tabs->setTabText(m_tabs->indexOf(m_pages[1]),
                           QCoreApplication::translate(context, m_design->secondPage));
    Form::applyTexts(context, m_built);
}

BoardDialog::BoardDialog(const BoardDesign &design, QWidget *parent, const char *name, bool modal,
                         Qt::WindowFlags flags)
    : DetailDialog(parent, name, modal, flags)
{
    if (!name)
        setObjectName(QLatin1String(design.className));
    fixSize(design.width, BoardForm::height);
    m_form.build(this, design);
    languageChange();
    resizeToForm(design.width, BoardForm::height);
}

void BoardDialog::connectMemAPI()
{
    if (!memAPI())
        return;
    emit signalInitialise();
    emit signalUpdateTabs();
}

void BoardDialog::languageChange()
{
    m_form.applyTexts(this);
}
