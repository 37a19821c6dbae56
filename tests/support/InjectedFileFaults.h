// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/platform/FileIO.h"

#include <functional>
#include <utility>

namespace fixture
{

// Faults in force while this object lives: each file step asks `allows`, and fails when it
// answers false. The faults that were in force before come back at the scope's end.
class InjectedFileFaults final : public tarvelin::FileFaults
{
public:
    using Rule = std::function<bool(tarvelin::FileStep step, const QString& path)>;

    explicit InjectedFileFaults(Rule allows)
        : allows_(std::move(allows)), replaced_(tarvelin::putFileFaultsInForce(this))
    {
    }
    ~InjectedFileFaults() override { tarvelin::putFileFaultsInForce(replaced_); }
    InjectedFileFaults(const InjectedFileFaults&) = delete;
    InjectedFileFaults& operator=(const InjectedFileFaults&) = delete;

    bool allows(tarvelin::FileStep step, const QString& path) override
    {
        return allows_(step, path);
    }

private:
    Rule allows_;
    tarvelin::FileFaults* replaced_;
};

// Every `failing` step fails, whatever its file.
inline InjectedFileFaults::Rule failing(tarvelin::FileStep failing)
{
    return [failing](tarvelin::FileStep step, const QString&) {
        return step != failing;
    };
}

} // namespace fixture
