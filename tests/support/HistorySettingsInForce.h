#pragma once

#include "core/store/HistorySettings.h"

namespace fixture
{

// The histories of the commands run while this object lives take `settings`; the settings that
// were in force before come back at the scope's end.
class HistorySettingsInForce
{
public:
    explicit HistorySettingsInForce(tarvelin::HistorySettings settings)
        : replaced_(tarvelin::HistorySettings::putInForce(settings))
    {
    }
    ~HistorySettingsInForce() { tarvelin::HistorySettings::putInForce(replaced_); }
    HistorySettingsInForce(const HistorySettingsInForce&) = delete;
    HistorySettingsInForce& operator=(const HistorySettingsInForce&) = delete;

private:
    tarvelin::HistorySettings replaced_;
};

} // namespace fixture
