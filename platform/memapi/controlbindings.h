#pragma once

#include "parameterref.h"

#include <QHash>
#include <QList>
#include <QSet>

class TMemProxy;

// Which controls show which value: the memory's register of the TMemProxy
// objects bound to it, by the value each is bound to. A control is known
// from its first binding until it goes away, bound or not.
class ControlBindings
{
public:
    // `proxy` now shows `ref` (and nothing else).
    void bind(TMemProxy *proxy, const ParameterRef &ref);
    // `proxy` shows nothing, but stays known.
    void unbind(TMemProxy *proxy);
    // `proxy` is going away.
    void forget(TMemProxy *proxy);
    void remember(TMemProxy *proxy) { m_known.insert(proxy); }

    // The controls showing `ref`, and whether `proxy` still is one of them
    // (a delivery can unbind controls).
    QList<TMemProxy *> at(const ParameterRef &ref) const { return m_bound.value(ref); }
    bool shows(TMemProxy *proxy, const ParameterRef &ref) const
    {
        return m_bound.value(ref).contains(proxy);
    }
    // Every control known.
    const QSet<TMemProxy *> &all() const { return m_known; }

private:
    QHash<ParameterRef, QList<TMemProxy *>> m_bound;
    QHash<TMemProxy *, ParameterRef> m_refOf;
    QSet<TMemProxy *> m_known;
};
