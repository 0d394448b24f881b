#include "controlbindings.h"

void ControlBindings::bind(TMemProxy *proxy, const ParameterRef &ref)
{
    unbind(proxy);
    m_known.insert(proxy);
    m_bound[ref].append(proxy);
    m_refOf.insert(proxy, ref);
}

void ControlBindings::unbind(TMemProxy *proxy)
{
    const auto was = m_refOf.find(proxy);
    if (was == m_refOf.end())
        return;
    const auto it = m_bound.find(*was);
    if (it != m_bound.end()) {
        it->removeAll(proxy);
        if (it->isEmpty())
            m_bound.erase(it);
    }
    m_refOf.erase(was);
}

void ControlBindings::forget(TMemProxy *proxy)
{
    unbind(proxy);
    m_known.remove(proxy);
}
