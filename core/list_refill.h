#ifndef TESSALY_CORE_LIST_REFILL_H
#define TESSALY_CORE_LIST_REFILL_H

namespace tessaly {

class MainWindowView;
class UnitCatalogue;

// Replaces Combo1's list with every ordered pair of distinct units of the selected category,
// source-major in catalogue order: 56 length, 30 mass or 6 temperature labels. Run each time the
// list opens. Leaves the list alone when no category is selected.
void ListRefill(const UnitCatalogue &catalogue, MainWindowView &view);

} // namespace tessaly

#endif
