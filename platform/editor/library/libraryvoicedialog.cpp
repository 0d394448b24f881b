#include "library/libraryvoicedialog.h"

#include <librarymodel.h>
#include <librarytable.h>
#include <queryproblemslabel.h>

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

LibraryVoiceDialog::LibraryVoiceDialog(VoiceLibrary *library, VoiceType type, QWidget *parent)
    : QDialog(parent)
    , m_library(library)
    , m_model(new LibraryModel(library, this))
    , m_search(new QLineEdit(this))
    , m_problems(new QueryProblemsLabel(this))
    , m_table(new LibraryTable(this))
    , m_buttons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this))
{
    setWindowTitle(tr("Second Voice from the Library"));
    auto *layout = new QVBoxLayout(this);
    auto *hint = new QLabel(
        tr("Only %1 voices can be taken, the type of the voice edited.").arg(voiceTypeName(type)),
        this);
    hint->setWordWrap(true);
    m_search->setObjectName(QStringLiteral("libraryVoiceSearch"));
    m_search->setClearButtonEnabled(true);
    m_search->setPlaceholderText(tr("Search: pad warm cutoff<2kHz"));
    m_problems->watch(m_model);
    // The voices of the edited voice's type alone.
    m_model->setVoiceType(type);
    m_table->setObjectName(QStringLiteral("libraryVoiceTable"));
    m_table->setModel(m_model);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->fitColumns();
    layout->addWidget(hint);
    layout->addWidget(m_search);
    layout->addWidget(m_problems);
    layout->addWidget(m_table, 1);
    layout->addWidget(m_buttons);
    resize(760, 480);

    QPushButton *ok = m_buttons->button(QDialogButtonBox::Ok);
    ok->setEnabled(false);
    connect(m_table->selectionModel(), &QItemSelectionModel::selectionChanged, ok,
            [this, ok] { ok->setEnabled(m_table->selectionModel()->hasSelection()); });
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_table, &QTableView::doubleClicked, this, &QDialog::accept);
    connect(m_search, &QLineEdit::textChanged, this, &LibraryVoiceDialog::search);
}

void LibraryVoiceDialog::search()
{
    m_model->setFilter(m_search->text(), QString(), false, false);
}

std::optional<LibraryEntry> LibraryVoiceDialog::chosen() const
{
    const QModelIndexList rows = m_table->selectionModel()->selectedRows();
    LibraryEntry entry;
    if (rows.isEmpty() || !m_library->entry(m_model->idAt(rows.first().row()), &entry, nullptr))
        return std::nullopt;
    return entry;
}

std::optional<std::pair<Voice, QString>> LibraryVoiceDialog::pick(VoiceLibrary *library,
                                                                  VoiceType type, QWidget *parent)
{
    LibraryVoiceDialog dialog(library, type, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const std::optional<LibraryEntry> entry = dialog.chosen();
    if (!entry)
        return std::nullopt;
    return std::pair{ entry->voice, tr("from the library") };
}
