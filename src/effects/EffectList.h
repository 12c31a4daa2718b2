// Lists of effect objects that leave their list by themselves while they update.
#pragma once

// Updates every object of a list of shared pointers in order. An object may remove itself (and only
// itself) from the list during its update: the iterator has already moved past it, and the local
// reference keeps it alive until its update returns.
template <class List>
void updateEach(List& list) {
    for (auto it = list.begin(); it != list.end();) {
        const auto object = *it;
        ++it;
        object->update();
    }
}
