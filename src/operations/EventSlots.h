#pragma once

#include "depreciation/AssetEvents.h"
#include "operations/EventWriter.h"

namespace vorn {

// Everything the slots of one event are filled from.
struct SlotContext
{
    const PlanYear& year;
    const EventDialog& dialog;
    const EventSources& sources;
    AssetEvents events;  // the asset's stored events, parsed
    const Row& oldAsset; // before the operation
    const Row& newAsset; // as the operation leaves it
    Row assetChanges;    // columns of the edited asset the event changes
    const EventSelections& selections;
};

// Fills the type's slots into `event` and collects its effects on the asset in
// `context.assetChanges`. Types without slots of their own are left as they are.
void FillSlots(int type, SlotContext& context, Row& event);

} // namespace vorn
