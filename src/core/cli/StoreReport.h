// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/cli/CommandContext.h"
#include "core/cli/JsonOutput.h"
#include "core/store/StoreCommandOutcome.h"

#include <QStringList>

namespace tarvelin::cli
{

// What a command that rewrites the store reports: the store's new size, or in a dry run what the
// store would hold and how it would differ; and in --json the same as fields.
struct StoreReport {
    QStringList lines;
    OrderedJson fields;
};

// `what` begins the line of a written store: "The store now holds" 5 setups.
StoreReport storeReport(const CommandContext& context, const StoreCommandOutcome& outcome,
                        const QString& what);

} // namespace tarvelin::cli
