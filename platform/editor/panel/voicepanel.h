#pragma once

#include <QWidget>

class QCheckBox;
class QComboBox;
class QListWidget;

// The Voice panel: the voice's type, the element the view shows, the
// current drum key, the compare switch and the commands the dialogs sent.
// It shows what it is told and reports what a person chooses; the window
// decides what a choice does.
class VoicePanel : public QWidget
{
    Q_OBJECT

public:
    explicit VoicePanel(int drumKey, QWidget *parent = nullptr);

    QListWidget *commandLog() const { return m_log; }

    // The voice's type (1 to 3) and what the panel's controls can follow
    // in it: how many elements it has and whether it has drum keys. A
    // control that nothing follows is off; with one element or none, the
    // element shown is the first.
    void showVoiceType(int type, int elements, bool hasDrumKeys);
    // In compare mode the voice shown is the stored one: what would change
    // the voice is off.
    void showCompareMode(bool on);
    void logCommand(const QString &text);

signals:
    void voiceTypeChosen(int type);
    void elementChosen(int element);
    void drumKeyChosen(int key);
    void compareToggled(bool on);

private:
    QComboBox *m_voiceType;
    QComboBox *m_element;
    QComboBox *m_drumKey;
    QCheckBox *m_compare;
    QListWidget *m_log;
};
