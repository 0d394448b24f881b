#pragma once

#include <voicetype.h>

#include <QSortFilterProxyModel>

// The rows of a parameter model that belong to one voice type (a plug-in
// voice with the boards' native parameters, and only the elements the
// voice has) and whose name or block contains a text.
class ParameterFilter : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    explicit ParameterFilter(QObject *parent = nullptr);

    void setVoiceType(VoiceType type);
    void setText(const QString &text);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;

private:
    VoiceType m_voiceType = VoiceType::Normal;
    QString m_text;
};
