#pragma once

#include <parameterref.h>

#include <QJsonArray>
#include <QObject>
#include <QString>
#include <QVector>

class TParameterMemory;

// What Randomise, Mutate and Morph leave alone: parameters, blocks (one
// part's, or every part's), elements, drum keys and name patterns. A
// pattern matches, without regard to case and with '*' for any run of
// characters, a parameter's name or full name, its block's name and its
// part's name: "Filter*", "Reverb*", "element 2".
//
// The locks belong to the window's session, and are kept with the voice's
// file: while the voice has a file, every change is kept in the settings
// (group "tools/locks") under the file's path, and opening a file whose
// locks were kept brings them back in place of the session's (setFile()).
// A file without kept locks takes the session's. The view and the tools'
// own dock ask isLocked() and list locks().
class ToolLocks : public QObject
{
    Q_OBJECT

public:
    struct Lock
    {
        enum Kind { Parameter, Block, Element, DrumKey, Pattern };
        Kind kind = Parameter;
        // Parameter: its block's and its own address words; Block: the
        // block's id (SoundBlock::id).
        QString block;
        QString word;
        // Parameter, Element, DrumKey: the part; Block: the part, or -1 for
        // every part.
        int part = -1;
        // Pattern: the text.
        QString pattern;

        friend bool operator==(const Lock &a, const Lock &b)
        {
            return a.kind == b.kind && a.block == b.block && a.word == b.word && a.part == b.part
                && a.pattern == b.pattern;
        }
    };

    static Lock parameter(const TParameterMemory &memory, const ParameterRef &ref);
    static Lock block(const QString &id, int part);
    static Lock element(int element);
    static Lock drumKey(int key);
    static Lock pattern(const QString &text);

    explicit ToolLocks(QObject *parent = nullptr);

    const QVector<Lock> &locks() const { return m_locks; }
    // Adds a lock; false when it is there already.
    bool add(const Lock &lock);
    // Removes a lock; false when it is not there.
    bool remove(const Lock &lock);
    void clear();

    bool isLocked(const TParameterMemory &memory, const ParameterRef &ref) const;
    // The locks that hold the parameter `ref`, in the order they were made.
    QVector<Lock> locksOn(const TParameterMemory &memory, const ParameterRef &ref) const;
    // "Cutoff, element 2", "Filter, every element", "Element 2", "Key C1", "Filter*".
    static QString describe(const TParameterMemory &memory, const Lock &lock);

    QJsonArray toJson() const;
    static QVector<Lock> fromJson(const QJsonArray &array);

    // The voice's file is now `path` (empty for none): its kept locks
    // replace the session's, or the session's are kept for it.
    void setFile(const QString &path);

signals:
    void changed();

private:
    void setLocks(const QVector<Lock> &locks);
    static bool holds(const Lock &lock, const TParameterMemory &memory, const ParameterRef &ref);
    void save() const;

    QVector<Lock> m_locks;
    QString m_path;
};
