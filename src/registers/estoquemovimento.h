#pragma once

class Dataset;

// One stock movement of one product: the product row (in edit) and the new
// movement row (in insert) saved together, the product's quantity in stock
// changed by the quantity moved.
namespace StockMovement {

enum class Kind { Entry, Exit };

enum class Outcome {
    Saved,            // both rows written and committed
    Abandoned,        // no quantity typed: both pending changes dropped
    NotEnoughStock,   // an exit above the quantity in stock: both rows still pending
    ProductGone,      // another workstation deleted the product: both rows still pending
};

// Saves the movement. The quantity in stock is read again from the database
// at the moment of the save, and that product row held until the commit, so
// two workstations moving the same product never lose each other's change.
// On a database error nothing is written, both rows are back as they were
// and the error (fb::Error) propagates.
Outcome save(Kind kind, Dataset &products, Dataset &movements, Dataset &keyScratch);

// Drops both pending changes.
void abandon(Dataset &products, Dataset &movements);

} // namespace StockMovement
