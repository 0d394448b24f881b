#pragma once

#include "detaildialogspopulationhelper.h"
#include "detaildialogsslothelper.h"
#include "formrewriting.h"
#include "guardedmemapi.h"
#include "parameteraddress.h"

#include <detaildialogsaddon.h>
#include <dialogfactory.h>
#include <ieditorextensions.h>
#include <izintavoicedata.h>

#include <imemapi.h>

#include <QCloseEvent>
#include <QMetaObject>
#include <QPointer>

#include <memory>

namespace DetailDialogsWiring {
// Connects the dialog's `signal` to the receiver's `slot` when the dialog
// declares that signal; a dialog that does not gets no connection.
void connectIfDeclared(QObject *dialog, const char *signal, QObject *receiver, const char *slot);
void connectHelpers(QObject *dialog, DetailDialogsPopulationHelper *population,
                    DetailDialogsSlotHelper *slotHelper);
void setFormBackground(QWidget *dialog);

} // namespace DetailDialogsWiring

// A dialog class T made into what the host works with: the widget that
// createDialog() returns and that implements IEditorExtensions. It gives the
// dialog its parameter memory, creates the population and slot helpers and
// wires the dialog's signals to them. Every dialog class gets the same
// behaviour; nothing here knows one dialog from another.
//
// The dialog does not own its parameter memory, and the host may delete the
// memory first. The dialog then forgets it: an open dialog closes (a board
// still reports its model to the voice data it last had) and deletes
// itself, and runDialog() behaves as without a memory. Nothing here or in
// the helpers reads the memory once it is gone.
template <class T>
class DetailDialogsIEditorExtensions : public T, public IEditorExtensions
{
public:
    DetailDialogsIEditorExtensions(DetailDialogsAddOn *addOn, IHostCommandTarget *commands,
                                   int voiceType, QWidget *parent, const char *name,
                                   const QString &caption)
        : T(parent, name, false, Qt::WindowFlags())
        , m_addOn(addOn)
        , m_commands(commands)
        , m_voiceType(voiceType)
    {
        Q_UNUSED(caption);
        this->setAttribute(Qt::WA_DeleteOnClose);
        collectAddressLabels(this, this->labelAddressMap);
        m_slotHelper = std::make_unique<DetailDialogsSlotHelper>(m_commands);
        m_populationHelper = std::make_unique<DetailDialogsPopulationHelper>(this);
        m_populationHelper->setLabelAddressMap(&this->labelAddressMap);
        DetailDialogsWiring::connectHelpers(this, m_populationHelper.get(), m_slotHelper.get());
    }

    ~DetailDialogsIEditorExtensions() override
    {
        m_populationHelper.reset();
        m_slotHelper.reset();
    }

    IMemAPI *memAPI() const override { return m_memAPI.get(); }

    HRESULT savePrivateData(void *) override { return VESTRA_S_OK; }
    HRESULT loadPrivateData(void *) override { return VESTRA_S_OK; }

    HRESULT attachMemAPI(IMemAPI *memAPI) override
    {
        if (memAPI == m_memAPI.get())
            return VESTRA_S_OK;
        m_memAPI = memAPI;
        QObject::disconnect(m_memoryWatch);
        if (QObject *memory = m_memAPI.object())
            m_memoryWatch =
                QObject::connect(memory, &QObject::destroyed, this, [this] { memoryGone(); });
        m_lastVoiceData = nullptr;
        rememberVoiceData();
        m_populationHelper->setMemAPI(memAPI);
        m_populationHelper->setVoiceType(m_voiceType);
        if (memAPI)
            memAPI->assignEditChannel(this, 0);
        this->connectMemAPI();
        DetailDialogsWiring::setFormBackground(this);
        if (memAPI)
            memAPI->connectSignal("2editBufferLoaded(short, short)", m_populationHelper.get(),
                                  "1slotOnEditBufferLoaded(short, short)", true);
        return VESTRA_S_OK;
    }

    HRESULT runDialog() override
    {
        rememberVoiceData();
        this->execute();
        return VESTRA_S_OK;
    }

    HRESULT addOnOf(IGenericEditorPluginInterface **out) override
    {
        if (!out || !m_addOn)
            return VESTRA_E_FAIL;
        *out = m_addOn;
        return VESTRA_S_OK;
    }

    int voiceType() const { return m_voiceType; }
    DetailDialogsPopulationHelper *populationHelper() const { return m_populationHelper.get(); }

protected:
    // After construction a language change leaves addresses and texts alone.
    void languageChange() override {}

    void closeEvent(QCloseEvent *event) override
    {
        reportBoardClosed();
        event->accept();
    }

    // Escape and the dialog's own buttons end it without a close event; a
    // board dialog ended so is closed all the same.
    void done(int result) override
    {
        reportBoardClosed();
        T::done(result);
    }

private:
    // Tells the voice data, once, that a board's dialog closed.
    void reportBoardClosed()
    {
        if (m_voiceType == 4 && !m_modelReported) {
            IZintaVoiceData *voiceData = m_memAPI
                ? ParameterAddress::voiceDataOf(m_memAPI)
                : dynamic_cast<IZintaVoiceData *>(m_lastVoiceData.data());
            if (voiceData) {
                m_modelReported = true;
                voiceData->nativeDialogClosed(this->objectName().left(9));
            }
        }
    }

    // The voice data behind the memory, for a close after the memory is gone.
    void rememberVoiceData()
    {
        if (IMemAPI *memAPI = m_memAPI.get())
            m_lastVoiceData = memAPI->voiceData();
    }

    // Called while the memory is being destroyed: it must not be touched.
    // Input still queued for the closing dialog must not reach its controls
    // or ask the host for a selection on its behalf.
    void memoryGone()
    {
        if (this->isVisible()) {
            this->setEnabled(false);
            this->close();
        }
    }

    GuardedMemAPI m_memAPI;
    QMetaObject::Connection m_memoryWatch;
    QPointer<QObject> m_lastVoiceData;
    bool m_modelReported = false;
    DetailDialogsAddOn *m_addOn;
    IHostCommandTarget *m_commands;
    std::unique_ptr<DetailDialogsPopulationHelper> m_populationHelper;
    std::unique_ptr<DetailDialogsSlotHelper> m_slotHelper;
    int m_voiceType;
};

// The catalogue's factory for a dialog class: the dialog of an entry, wrapped.
template <class T>
QWidget *wrapped(const DialogRequest &request)
{
    return new DetailDialogsIEditorExtensions<T>(request.addOn, request.commands, request.voiceType,
                                                 nullptr, request.objectName.constData(),
                                                 request.caption);
}
