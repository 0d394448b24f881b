#pragma once

#include <QObject>
#include <QVector>

class VoiceHistory;

// Whole-element edits, each one step of the history: copy one element to
// another, swap two, set one back to its defaults; and copy a drum key to
// another key. They cover every block of the current voice type that has a
// part per element (reached through the fixed "00" to "30" addresses) or per
// drum key. Type parameters are written first, so that the values after
// them fall in the ranges of the new type. Elements and keys count from 0.
class ElementTools : public QObject
{
    Q_OBJECT

public:
    explicit ElementTools(VoiceHistory *history, QObject *parent = nullptr);

    bool copyElement(int from, int to);
    bool swapElements(int first, int second);
    bool initialiseElement(int element);
    bool copyDrumKey(int from, int to);

private:
    // The blocks of the current voice type with `parts` parts.
    QVector<quint16> blocks(int parts) const;
    // Every value of an element or key, type parameters first.
    struct Value
    {
        quint16 high;
        quint16 low;
        int value;
    };
    QVector<Value> valuesOf(int parts, int part) const;
    // Writes values to element or key `part`.
    void write(int parts, int part, const QVector<Value> &values) const;

    VoiceHistory *m_history;
};
