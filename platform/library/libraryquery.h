#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

#include <vector>

class ParameterCatalogue;
class VoiceCodec;

// The library's query language, the same in the panel's search field and
// on the command line. A query is a list of terms, all of which a voice
// must meet:
//
//   pad warm                  words: the start of a word of the name,
//                             comment, tags or category
//   cutoff<2kHz               a condition on a parameter by (part of) its
//   "filter type"=BPF12       name, as the editor's view shows it, and a
//   "reverb type"="Hall 1"    value, by its text or a number with its unit;
//   "attack time">=500ms      operators = != < <= > >= (":" is "=")
//
// A condition holds when any element, drum key or part meets it in any
// parameter the name names: the parameters of that very name where one that
// every voice of its type has is called so ("cutoff": the filter's Cutoff,
// not HPF Cutoff), otherwise all whose name contains it ("attack": AEG, FEG
// and PEG Attack Time, the effects' Attack). Quotes group words with spaces.
class LibraryQuery
{
public:
    // Reads `text`; errors() says what is wrong with it.
    LibraryQuery(const QString &text, const ParameterCatalogue &catalogue, const VoiceCodec &codec);

    bool isValid() const { return m_errors.isEmpty(); }
    // One line per fault: an unknown parameter, a text that is no value of it.
    QStringList errors() const { return m_errors; }
    // The sets of voices a voice must be in: all words together, then each
    // condition. Each is a SELECT of voice ids (an id may come more than
    // once) that binds `binding` when it is valid. None when the query is
    // empty (all voices) or not valid.
    struct Select
    {
        QString sql;
        QVariant binding;
    };
    const std::vector<Select> &selects() const { return m_selects; }

    static QString tr(const char *text);

private:
    std::vector<Select> m_selects;
    QStringList m_errors;
};
