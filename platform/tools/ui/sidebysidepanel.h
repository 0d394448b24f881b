#pragma once

#include <parameterref.h>
#include <voice.h>

#include <QWidget>

#include <optional>
#include <vector>

class QCheckBox;
class QLabel;
class QTableWidget;
class SoundTools;

// Two voices side by side: every value of the voice beside the tools'
// second voice's (a voice file, the stored voice or a library voice), the
// rows that differ marked, and Take Value, which
// writes the second voice's values of the chosen rows as one step. "Only
// what differs" hides the rest.
class SideBySidePanel : public QWidget
{
    Q_OBJECT

public:
    enum Column { Parameter, Part, ThisVoice, SecondVoice, ColumnCount };

    explicit SideBySidePanel(SoundTools *tools, QWidget *parent = nullptr);

    QTableWidget *table() const { return m_table; }
    QCheckBox *onlyDifferences() const { return m_onlyDifferences; }

    // The row of a value, or -1.
    int rowOf(const ParameterRef &ref) const;
    // Writes the second voice's values of the chosen rows, types first, as
    // one step; false when nothing is chosen or the step was refused.
    bool takeChosen();

private:
    void secondVoiceChanged();
    const std::optional<Voice> &second() const;
    void rebuild();
    void refresh();
    void scheduleRefresh();

    SoundTools *m_tools;
    QLabel *m_second;
    QTableWidget *m_table;
    QCheckBox *m_onlyDifferences;
    std::vector<ParameterRef> m_refs;
    bool m_refreshQueued = false;
};
