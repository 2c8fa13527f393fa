#pragma once

#include <QtGlobal>

// What the receiver functions remember between exchanges, all cleared at start. The window
// holds one; a command-line front end holds its own.
struct ReceiverState {
    // A settings read-back is selecting controls: option, hotkey and status handlers return at
    // once, so that showing a stored setting never writes it back.
    bool ReadBackInProgress = false;
    // The mouse's settings have been read back since the receiver was attached.
    bool SettingsRead = false;
    // The binding status of the previous status tick was 0xBB.
    bool PrevBindingStatusBB = false;
    // The CPI was changed from the tool and its read-out must be renewed.
    bool CpiChanged = false;
    // The mouse and keyboard IDs the receiver holds: read at attach, renewed by pairing.
    quint32 PreMseID = 0;
    quint32 PreKbdID = 0;
    // Ticks of the running pairing.
    int BindTickCounter = 0;
    // Counts the receivers dropped or attached, so that a sequence which waited in a dialog can
    // tell that the receiver changed meanwhile.
    quint64 ReceiverChanges = 0;

    // What a device change or an attach forgets: the next receiver's mouse must be read back
    // afresh.
    void ForgetReceiver()
    {
        SettingsRead = false;
        PrevBindingStatusBB = false;
        ++ReceiverChanges;
    }
};
