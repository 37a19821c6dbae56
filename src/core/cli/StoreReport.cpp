// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/cli/StoreReport.h"

#include "core/cli/StoreChangeOutput.h"

namespace tarvelin::cli
{

StoreReport storeReport(const CommandContext& context, const StoreCommandOutcome& outcome,
                        const QString& what)
{
    StoreReport result;
    const QString& store = context.game->paths.store;
    result.fields.add("store", store);
    if (!outcome.store)
        return result;
    const int setups = outcome.store->counters.total;
    result.fields.add("setups", setups);
    if (outcome.wouldChange) {
        result.lines << QStringLiteral("Dry run: %1 would hold %2 setups (%3). Nothing was "
                                       "changed.")
                            .arg(store)
                            .arg(setups)
                            .arg(changeSummary(*outcome.wouldChange));
        result.fields.addWritten("changes", changesJson(*outcome.wouldChange));
    } else if (outcome.storeWritten) {
        result.lines << QStringLiteral("%1 %2 setups.").arg(what).arg(setups);
    }
    return result;
}

} // namespace tarvelin::cli
