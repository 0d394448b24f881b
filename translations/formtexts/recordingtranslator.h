#pragma once

#include <QSet>
#include <QString>
#include <QTranslator>

#include <utility>

// A translator that translates nothing and remembers every text asked of
// it, with its context: installed while the add-on builds its dialogs, it
// learns the texts the forms pass to QCoreApplication::translate.
class RecordingTranslator : public QTranslator
{
    Q_OBJECT

public:
    using Text = std::pair<QString, QString>; // context, source text

    using QTranslator::QTranslator;

    QString translate(const char *context, const char *sourceText, const char *disambiguation,
                      int n) const override;
    bool isEmpty() const override { return false; }

    const QSet<Text> &texts() const { return m_texts; }

private:
    mutable QSet<Text> m_texts;
};
