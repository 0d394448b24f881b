#pragma once

#include <librarytable.h>
#include <voicelibrary.h>
#include <voicetype.h>

#include <QDialog>

#include <optional>
#include <utility>

class LibraryModel;
class QDialogButtonBox;
class QueryProblemsLabel;
class QLineEdit;

// Finds one voice in the open library, by the library's search language,
// among the voices of one voice type: the second voice of the sound tools.
// OK takes the chosen row, and so does a double-click.
class LibraryVoiceDialog : public QDialog
{
    Q_OBJECT

public:
    LibraryVoiceDialog(VoiceLibrary *library, VoiceType type, QWidget *parent = nullptr);

    QLineEdit *searchField() const { return m_search; }
    QTableView *table() const { return m_table; }
    QDialogButtonBox *buttons() const { return m_buttons; }

    // The voice of the chosen row, if any.
    std::optional<LibraryEntry> chosen() const;

    // Asks for a voice of `type`: the voice and "from the library", or
    // nothing when cancelled.
    static std::optional<std::pair<Voice, QString>> pick(VoiceLibrary *library, VoiceType type,
                                                         QWidget *parent);

private:
    void search();

    VoiceLibrary *m_library;
    LibraryModel *m_model;
    QLineEdit *m_search;
    QueryProblemsLabel *m_problems;
    LibraryTable *m_table;
    QDialogButtonBox *m_buttons;
};
