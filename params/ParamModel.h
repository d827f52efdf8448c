#pragma once

#include "ParamStore.h"
#include "StoreChanges.h"

#include <QList>
#include <array>
#include <memory>

// Everything the program knows about the processor's settings: the parameter store, the mode
// and EQ group the window works on, the front-panel menu-show flags and the device password.
// One instance is created by main and passed by reference; tests build their own.
//
// The window's writes go through setValue, setFields and setStore, which tell changes(); a
// write through store() tells nobody, for the models nobody shows (the simulator's memory, the
// command line's, copies read or merged before they are taken over) and for the corrections a
// reader makes to a byte it is showing.
class ParamModel
{
public:
    using MenuShowFlags = std::array<quint8, 256>; // 0 = entry shown, 1 = hidden
    using DevicePassword = std::array<quint8, 9>;  // character codes, first character first

    // InitDefaults scopes.
    static constexpr int FactoryReset = 0;
    static constexpr int EqGroupReset = -1;

    ParamStore& store() { return m_store; }
    const ParamStore& store() const { return m_store; }
    const StoreChanges& changes() const { return *m_changes.notifier; }

    void setValue(ParamField field, int mode, int address, quint8 value);
    void setFields(int mode, int address, const ParamStore::Fields& fields);
    void setStore(const ParamStore& store);

    int currentMode() const { return m_currentMode; }
    void setCurrentMode(int mode);
    int currentEqGroup() const { return m_currentEqGroup; }
    void setCurrentEqGroup(int group);

    MenuShowFlags& menuShow() { return m_menuShow; }
    const MenuShowFlags& menuShow() const { return m_menuShow; }
    DevicePassword& password() { return m_password; }
    const DevicePassword& password() const { return m_password; }

    // Scope 0: full factory state and menu-show flags 0..254 cleared. Scope -1: the bands and
    // cuts of the current EQ group in the current mode only; the menu-show flags are left
    // alone, so a group reset never unhides front-panel entries. Any other scope: only the
    // menu-show flags 0..254 are cleared.
    void InitDefaults(int scope);

    // Mode slot that holds an address: mode 0 for common parameters, the given mode otherwise.
    static int slotMode(int address, int mode);
    // The slot the window shows and edits for an address: common, or the current mode's.
    int slotMode(int address) const { return slotMode(address, m_currentMode); }

private:
    // Whoever follows a model follows that one: a copy starts without listeners.
    struct Listeners
    {
        Listeners() = default;
        Listeners(const Listeners&) {}
        Listeners& operator=(const Listeners&) { return *this; }

        std::unique_ptr<StoreChanges> notifier = std::make_unique<StoreChanges>();
    };

    // Untold; returns the addresses written.
    QList<int> writeEqDefaults(int group, int mode);

    Listeners m_changes;
    ParamStore m_store;
    int m_currentMode = 0;
    int m_currentEqGroup = 0;
    MenuShowFlags m_menuShow{};
    DevicePassword m_password{};
};
