// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/store/StorePreview.h"

#include <QString>

class QTextStream;

// How the command line shows what putting one store in place of another changes (StorePreview).

namespace tarvelin::cli
{

// history show and history restore: one section a kind, each name on its own line.
void printPreview(QTextStream& out, const StorePreview& preview);
// history show --json: {"bring_back": [...], "remove": [...], "change": [...], "reorder": false}
QString previewJson(const StorePreview& preview);

// A dry run's store change in words: "adds \"Fast\"; removes \"Oval\"; reorders the setups".
QString changeSummary(const StorePreview& preview);
// A dry run's store change in --json: {"add": [...], "remove": [...], "change": [...],
// "reorder": false}
QString changesJson(const StorePreview& preview);

} // namespace tarvelin::cli
