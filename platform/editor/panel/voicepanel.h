#pragma once

#include <voicetype.h>

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;

// The Voice panel: the voice's name and category, its type, the element the
// view shows, the current drum key, the compare switch and the commands the
// dialogs sent.
// It shows what it is told and reports what a person chooses; the window
// decides what a choice does.
class VoicePanel : public QWidget
{
    Q_OBJECT

public:
    explicit VoicePanel(int drumKey, QWidget *parent = nullptr);

    QListWidget *commandLog() const { return m_log; }

    // The voice's type and what the panel's controls can follow
    // in it: how many elements it has and whether it has drum keys. A
    // control that nothing follows is off; with one element or none, the
    // element shown is the first.
    void showVoiceType(VoiceType type, int elements, bool hasDrumKeys);
    // In compare mode the voice shown is the stored one: what would change
    // the voice is off.
    void showCompareMode(bool on);
    void logCommand(const QString &text);
    // The voice's name (empty: not named yet) and category (empty: none).
    void showHead(const QString &name, const QString &category);

signals:
    // A name typed and confirmed (Return, or focus leaving the field).
    void nameEdited(const QString &name);
    void categoryChosen(const QString &category);
    void voiceTypeChosen(VoiceType type);
    void elementChosen(int element);
    void drumKeyChosen(int key);
    void compareToggled(bool on);

private:
    QLineEdit *m_name;
    QComboBox *m_category;
    QComboBox *m_voiceType;
    QComboBox *m_element;
    QComboBox *m_drumKey;
    QCheckBox *m_compare;
    QListWidget *m_log;
};
